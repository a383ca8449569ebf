#pragma once

#include <QColor>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/Prompts.h"

// Answers the program's prompts from a script, and records every prompt. A message nobody
// scripted an answer for fails the test (and is answered Cancel), so no test blocks on a
// dialog and no question goes unnoticed. Puts itself in force for as long as it lives.
class ScriptedPrompts : public Prompts {
 public:
  struct Message {
    QString caption;
    QString text;
    Icon icon;
    int buttons;
  };

  ScriptedPrompts();
  ~ScriptedPrompts() override;

  // The answer to the next message (a Prompts::Button).
  void answer(int button) { m_answers.push_back(button); }
  // The answer to the next colour dialog; none is a cancelled dialog.
  void answer_color(std::optional<QColor> color) { m_colors.push_back(color); }

  const std::vector<Message>& messages() const { return m_messages; }
  const std::vector<QString>& urls() const { return m_urls; }
  // Takes back the answers no message has used yet.
  void withdraw_answers() { m_answers.clear(); }
  void forget() {
    m_messages.clear();
    m_urls.clear();
  }

  int message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
              int buttons) override;
  std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) override;
  void open_url(const QString& url) override { m_urls.push_back(url); }

  // The colour the last colour dialog opened with.
  QColor last_initial_color() const { return m_last_initial; }

 private:
  std::deque<int> m_answers;
  std::deque<std::optional<QColor>> m_colors;
  std::vector<Message> m_messages;
  std::vector<QString> m_urls;
  QColor m_last_initial;
};
