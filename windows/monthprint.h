#pragma once

#include "core/calendar/calendar.h"

class QPagedPaintDevice;

// The shown month on paper: the month caption, the weekday headers and the
// grid of days, each with its note, black on white, on one page.

namespace plandeck {

// Paints the month on the device's page (a printer, or a PDF writer) and
// reads each day's note from the store. Returns false when the device could
// not be painted on (a file that cannot be written, say).
bool printMonth(QPagedPaintDevice& device, Int16 month, Int16 year);

} // namespace plandeck
