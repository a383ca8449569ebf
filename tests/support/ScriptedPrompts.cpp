#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts() { set_prompts(this); }

ScriptedPrompts::~ScriptedPrompts() {
  set_prompts(nullptr);
  EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) were never asked for";
  EXPECT_TRUE(m_colors.empty()) << "a scripted colour was never asked for";
}

int ScriptedPrompts::message(QWidget*, const QString& caption, const QString& text, Icon icon,
                             int buttons) {
  m_messages.push_back({caption, text, icon, buttons});
  if (m_answers.empty()) {
    ADD_FAILURE() << "unexpected prompt \"" << caption.toStdString() << "\": "
                  << text.toStdString();
    return Cancel;
  }
  int a = m_answers.front();
  m_answers.pop_front();
  return a;
}

std::optional<QColor> ScriptedPrompts::choose_color(QWidget*, const QColor& initial) {
  m_last_initial = initial;
  if (m_colors.empty()) {
    ADD_FAILURE() << "unexpected colour dialog";
    return std::nullopt;
  }
  auto c = m_colors.front();
  m_colors.pop_front();
  return c;
}
