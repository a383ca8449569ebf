#include "app/LocalSite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString site_folder() {
  const QString installed =
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZORVO_SITE_FROM_BIN));
  for (const QString& folder : {installed, QStringLiteral(ZORVO_BUILD_SITE)})
    if (QFileInfo::exists(folder + "/zorvo-wizard/index.html")) return QDir::cleanPath(folder);
  return QDir::cleanPath(installed);  // where it belongs, so the browser says what is missing
}

}  // namespace

QString local_site_page(const QString& path) {
  static const QString folder = site_folder();
  return QUrl::fromLocalFile(folder + path).toString();
}
