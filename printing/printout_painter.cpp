#include "printing/printout_painter.h"

#include "app/pictures.h"
#include "mechanisms/picture_view.h"
#include "printing/printout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace cinemoto {

namespace {

// Places blocks one under the other on the page, in device units.
class PageWriter
{
public:
    PageWriter(QPainter &painter, const QRectF &page) : m_p(painter), m_page(page), m_y(page.top())
    {
        m_mm = painter.device()->logicalDpiY() / 25.4;
    }

    double mm(double v) const { return v * m_mm; }
    double y() const { return m_y; }
    double roomLeft() const { return m_page.bottom() - m_y; }
    void skip(double millimetres) { m_y += mm(millimetres); }

    QFont font(double points, bool bold = false) const
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // A wrapped paragraph across the page; returns its height.
    void paragraph(const QString &text, double points, bool bold = false)
    {
        if (text.isEmpty())
            return;
        m_p.setFont(font(points, bold));
        const QRectF box(m_page.left(), m_y, m_page.width(), m_page.bottom() - m_y);
        QRectF used;
        m_p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        m_y += used.height();
    }

    void rule(double widthMm = 0.3)
    {
        m_p.setPen(QPen(Qt::black, mm(widthMm)));
        m_p.drawLine(QPointF(m_page.left(), m_y), QPointF(m_page.right(), m_y));
    }

    void heading(const Printout &out);
    void data(const QList<Printout::DataColumn> &columns);
    void picture(const Printout::Picture &picture, double reserveBelow);
    void answerRoom(const QString &caption);
    void table(const QStringList &header, const QList<QStringList> &rows, bool lastRowIsTotal);

private:
    QPainter &m_p;
    QRectF m_page;
    double m_y;
    double m_mm = 1;
};

void PageWriter::heading(const Printout &out)
{
    paragraph(out.title, 20, true);
    if (!out.subtitle.isEmpty()) {
        skip(1);
        paragraph(out.subtitle, 15, true);
    }
    skip(3);
    const QFont label = font(11, true);
    const QFont value = font(11);
    double labelWidth = 0;
    for (const auto &fact : out.facts)
        labelWidth = std::max(labelWidth, QFontMetricsF(label, m_p.device()).horizontalAdvance(fact.first));
    const double line = QFontMetricsF(value, m_p.device()).lineSpacing() * 1.25;
    for (const auto &[name, text] : out.facts) {
        m_p.setFont(label);
        m_p.drawText(QRectF(m_page.left(), m_y, labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter, name);
        m_p.setFont(value);
        m_p.drawText(QRectF(m_page.left() + labelWidth + mm(3), m_y, m_page.width() - labelWidth - mm(3), line),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += line;
    }
    skip(2);
    rule(0.5);
    skip(5);
}

void PageWriter::data(const QList<Printout::DataColumn> &columns)
{
    if (columns.isEmpty())
        return;
    const double gap = mm(6);
    const double width = (m_page.width() - gap * double(columns.size() - 1)) / double(columns.size());
    double bottom = m_y;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const double left = m_page.left() + double(i) * (width + gap);
        QRectF used;
        m_p.setFont(font(11, true));
        m_p.drawText(QRectF(left, m_y, width, m_page.bottom() - m_y), Qt::AlignLeft | Qt::TextWordWrap,
                     columns[i].title, &used);
        double y = m_y + used.height() + mm(1);
        m_p.setFont(font(12));
        for (const QString &line : columns[i].lines) {
            m_p.drawText(QRectF(left, y, width, m_page.bottom() - y), Qt::AlignLeft | Qt::TextWordWrap, line, &used);
            y += used.height();
        }
        bottom = std::max(bottom, y);
    }
    m_y = bottom + mm(5);
}

void PageWriter::picture(const Printout::Picture &picture, double reserveBelow)
{
    constexpr double designWidth = PictureView::designWidth;
    constexpr double designHeight = PictureView::designHeight;
    double width = m_page.width();
    double height = width * designHeight / designWidth;
    const double room = roomLeft() - reserveBelow;
    if (height > room && room > 0) {
        height = room;
        width = height * designWidth / designHeight;
    }
    const QRectF area(m_page.left() + (m_page.width() - width) / 2, m_y, width, height);
    m_p.save();
    m_p.setClipRect(area);
    m_p.translate(area.topLeft());
    if (picture.mirrored) {
        m_p.translate(width, 0);
        m_p.scale(-1, 1);
    }
    // Drawn from the SVG itself, so it stays vector in a PDF and sharp on paper.
    QSvgRenderer svg(pictureResource(picture.id));
    if (svg.isValid())
        svg.render(&m_p, QRectF(0, 0, width, height));
    if (picture.mirrored) {
        m_p.scale(-1, 1);
        m_p.translate(-width, 0);
    }
    paintDrawingParts(m_p, picture.parts, width / designWidth);
    m_p.restore();
    m_p.setPen(QPen(Qt::black, mm(0.3)));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(area);
    m_y += height + mm(5);
}

void PageWriter::answerRoom(const QString &caption)
{
    skip(4);
    paragraph(caption, 12, true);
    const double spacing = mm(10);
    m_p.setPen(QPen(Qt::gray, mm(0.25)));
    for (int i = 0; i < 5 && m_y + spacing <= m_page.bottom(); ++i) {
        m_y += spacing;
        m_p.drawLine(QPointF(m_page.left(), m_y), QPointF(m_page.right(), m_y));
    }
}

void PageWriter::table(const QStringList &header, const QList<QStringList> &rows, bool lastRowIsTotal)
{
    if (header.isEmpty())
        return;
    const int count = int(header.size());
    // Columns share the width in proportion to their widest text.
    const QFontMetricsF bold(font(12, true), m_p.device());
    std::vector<double> widths(std::size_t(count), mm(12));
    auto measure = [&](const QStringList &row) {
        for (int i = 0; i < count && i < row.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], bold.horizontalAdvance(row[i]) + mm(6));
    };
    measure(header);
    for (const QStringList &row : rows)
        measure(row);
    double total = 0;
    for (double w : widths)
        total += w;
    for (double &w : widths)
        w *= m_page.width() / total;
    const double rowHeight = mm(9);
    auto drawRow = [&](const QStringList &row, bool strong, bool shaded) {
        double x = m_page.left();
        if (shaded)
            m_p.fillRect(QRectF(x, m_y, m_page.width(), rowHeight), QColor(0xE6, 0xE6, 0xE6));
        m_p.setFont(font(12, strong));
        m_p.setPen(Qt::black);
        for (int i = 0; i < count; ++i) {
            const QString text = i < row.size() ? row[i] : QString();
            m_p.drawText(QRectF(x + mm(2), m_y, widths[std::size_t(i)] - mm(4), rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
            x += widths[std::size_t(i)];
        }
        m_y += rowHeight;
        m_p.setPen(QPen(Qt::black, mm(strong ? 0.4 : 0.2)));
        m_p.drawLine(QPointF(m_page.left(), m_y), QPointF(m_page.right(), m_y));
    };
    rule(0.4);
    drawRow(header, true, true);
    for (qsizetype r = 0; r < rows.size(); ++r)
        drawRow(rows[r], lastRowIsTotal && r == rows.size() - 1, false);
}

} // namespace

void paintPrintout(QPainter &painter, const QRectF &page, const Printout &out)
{
    PageWriter page_(painter, page);
    painter.setPen(Qt::black);
    page_.heading(out);
    if (!out.statement.isEmpty()) {
        page_.paragraph(out.statement, 12);
        page_.skip(4);
    }
    page_.data(out.data);
    if (out.picture) {
        // Leave room under the picture for the question and a few answer lines.
        page_.picture(*out.picture, out.answerCaption.isEmpty() ? 0 : page_.mm(85));
    }
    page_.paragraph(out.question, 12);
    page_.table(out.tableHeader, out.tableRows, out.lastRowIsTotal);
    if (!out.answerCaption.isEmpty())
        page_.answerRoom(out.answerCaption);
}

} // namespace cinemoto
