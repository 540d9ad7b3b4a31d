#pragma once

class QPainter;
class QRectF;

namespace cinemoto {

struct Printout;

// Lays the printout out on one page: text as text, the picture drawn from its SVG, so
// that paper and PDF get the printer's full resolution.
void paintPrintout(QPainter &painter, const QRectF &page, const Printout &printout);

} // namespace cinemoto
