#pragma once
// Print jobs as the screens run them: the hourglass for the length of the job, and, on a
// machine with no printer installed, the PDF written instead opened and its place told.
#include "core/line_list.h"
#include "core/print_canvas.h"
#include "platform/printing.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace filmeria {

struct Services;

// Runs the job; a failure is thrown on, with the cursor restored.
void runPrintJob(Services& services, QWidget* screen, const QString& documentName, const PrintDrawing& draw);

// The list printout of a search or picker screen: the empty-list message, the confirmation,
// then the job with the date and time from the clock.
void printResultList(Services& services, QWidget* screen, const LineList& lines, const QString& question,
                     const QString& title, PageOrientation orientation);

} // namespace filmeria
