#include "app/TerminationSignals.h"

// A Windows program is told of a log-off or a shut-down through the session manager, which the
// program already answers by saving; there are no termination signals to catch.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;
