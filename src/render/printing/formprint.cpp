#include "render/printing/formprint.h"

#include "core/documents/krdocument.h"
#include "render/rendercontext.h"
#include "render/text/fieldpainter.h"
#include "render/views/formpainter.h"

#include <QPainter>
#include <QPen>

namespace {

// Pen widths in 0.1 mm of the paper.
constexpr int kMarkPenWidth = 1;

QPen PaperPen(int width)
{
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

CFormPrint::CFormPrint(const CKrDocument& document, const PrintContext& context)
    : m_form(document.Form()), m_document(document), m_context(context)
{
}

QRect CFormPrint::PrintRect(const Forms::FormDescription& form, int index, int page, int publisher,
                            bool merged, const QPoint& offset)
{
    const Forms::BoxRect r = form.PrintEntry(index, page, publisher, merged);
    return QRect(r.left + offset.x(), r.top + offset.y(), r.right - r.left, r.bottom - r.top);
}

QRect CFormPrint::GetPrintRect(int index, int page) const
{
    return PrintRect(m_form, index, page, m_context.publisher, m_context.mergedRows, m_offset);
}

void CFormPrint::PrintPage(QPainter& painter, int page)
{
    const bool front = page == 1 || m_form.pageCount < 2;
    m_offset = m_context.Margins(front ? 1 : 2);

    CFieldPainter fields(m_context.fonts);
    fields.SetPrintAreaCorrection(m_context.correction);
    fields.CreatePrinterFonts(m_context.printerFontFactor);

    painter.save();
    Render::SetUpPaperPainter(painter);
    if (front) {
        PrintMarks(painter);
        PrintBoxes(painter, fields);
    } else {
        PrintFollowBox(painter, fields);
    }
    painter.restore();
}

QColor CFormPrint::PreviewFormInk()
{
    // Light enough that every printed text and mark stands out above it, dark
    // enough to tell whether a text sits inside its box.
    return QColor(0xA8, 0xB4, 0xC8);
}

void CFormPrint::PreviewPage(QPainter& painter, int page, const QPointF& printableCorner)
{
    const bool front = page == 1 || m_form.pageCount < 2;
    painter.save();
    Render::SetUpPaperPainter(painter);
    painter.translate(-printableCorner.x(), -printableCorner.y());
    CFormPainter(m_form, 10)
        .DrawForm(painter, front ? 1 : 2, m_context.publisher, PreviewFormInk());
    painter.restore();
    PrintPage(painter, page);
}

void CFormPrint::PrintMarks(QPainter& painter) const
{
    painter.setPen(PaperPen(kMarkPenWidth));
    for (const Forms::MarkPolyline& mark : m_form.GroupOf(m_context.publisher).marks) {
        QVector<QPoint> points;
        for (const QPoint& p : mark)
            points.append(p + m_offset);
        if (points.size() == 2)
            painter.drawLine(points[0], points[1]);
        else
            painter.drawPolyline(points.constData(), int(points.size()));
    }
}

void CFormPrint::PrintBoxes(QPainter& painter, const CFieldPainter& fields) const
{
    const CFieldStore& store = m_document.GetStore();
    painter.setPen(Qt::black);
    for (int i = 0; i < m_form.boxCount; ++i)
        fields.PrintField(painter, GetPrintRect(i, 1), store, quint16(i), 1, false);

    // A check word the form has no box for (a damaged file) crosses nothing,
    // rather than some other box.
    const int crossed = m_form.CrossedCheckBox(m_document.GetCheckWord(), store);
    if (crossed < 0)
        return;
    const QRect r = GetPrintRect(m_form.boxCount + crossed, 1);
    const int left = r.x(), top = r.y();
    const int right = r.x() + r.width(), bottom = r.y() + r.height();
    painter.setPen(PaperPen(CFormPainter::kCrossPenWidth));
    painter.drawLine(QPoint(left, top), QPoint(right, bottom));
    painter.drawLine(QPoint(left, bottom), QPoint(right, top));
}

void CFormPrint::PrintFollowBox(QPainter& painter, const CFieldPainter& fields) const
{
    painter.setPen(Qt::black);
    fields.PrintField(painter, GetPrintRect(0, 2), m_document.GetStore(), 0, 2, false);
}
