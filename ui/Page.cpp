#include "ui/Page.h"

TfmPage::TfmPage(Navigator& nav, const char* form_class) : m_nav(nav) {
  setObjectName(form_class);
  setAutoFillBackground(true);
  hide();
}

void TfmPage::set_page_visible(bool visible) {
  setVisible(visible);
  if (visible && m_first_field && m_first_field->isEnabled()) m_first_field->setFocus();
}
