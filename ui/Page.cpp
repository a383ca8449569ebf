#include "ui/Page.h"

TfmPage::TfmPage(TfmMain& main, Globals& globals, const char* form_class)
    : m_main(main), m_g(globals) {
  setObjectName(form_class);
  setAutoFillBackground(true);
  hide();
}
