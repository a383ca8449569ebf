#pragma once

#include <QString>

// The program's help, home and resources pages ship with it, so they open without a network.
// The address of one of them, `path` as "/zorvo-wizard/help.html": a file below the site folder
// installed beside the program (share/vantrel-wizard/site), or, when the program runs where it
// was built, below the one the build made.
QString local_site_page(const QString& path);
