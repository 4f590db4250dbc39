#include "printing/cmrprint.h"

#include "documents/krdocument.h"
#include "editor/fieldpainter.h"
#include "rendercontext.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "views/cmrformpainter.h"
#include "views/cmrlayout.h"
#include "views/formtype.h"

#include <QPainter>
#include <QPen>

using namespace CmrLayout;

namespace {

// Pen widths in 0.1 mm of the paper.
constexpr int kMarkPenWidth = 1;
constexpr int kCrossPenWidth = 6;

QString CmrSection()
{
    return GetFormTypeInfo(FormType::Cmr).section;
}

QPen PaperPen(int width)
{
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

CCmrPrint::CCmrPrint(const CKrDocument& document, CSettingsStore& settings)
    : m_document(document), m_settings(settings)
{
}

QPoint CCmrPrint::PrintOffset(int page) const
{
    const QString section = CmrSection();
    if (page == 1)
        return QPoint(m_settings.Get(section, Settings::LeftMargin1),
                      m_settings.Get(section, Settings::TopMargin1));
    return QPoint(m_settings.Get(section, Settings::LeftMargin2),
                  m_settings.Get(section, Settings::TopMargin2));
}

QRect CCmrPrint::PrintRect(int index, int page, int publisher, bool mergedGoodsRows,
                           const QPoint& offset)
{
    const CmrRect r = GetPrintTableRect(index, page, publisher, mergedGoodsRows);
    return QRect(r.left + offset.x(), r.top + offset.y(), r.right - r.left, r.bottom - r.top);
}

QRect CCmrPrint::GetPrintRect(int index, int page) const
{
    return PrintRect(index, page, m_publisher, m_mergedGoodsRows, m_offset);
}

void CCmrPrint::PrintPage(QPainter& painter, int page)
{
    const QString section = CmrSection();
    m_publisher = m_settings.Get(section, Settings::Publisher);
    m_mergedGoodsRows = m_settings.Get(section, Settings::MergedGoodsRows) == 1;
    m_offset = PrintOffset(page == 1 ? 1 : 2);

    CFieldPainter fields(m_settings);
    fields.CreatePrinterFonts(m_settings.Get(section, Settings::PrinterFontFactor));

    painter.save();
    painter.setTransform(Render::TenthMillimetreTransform(*painter.device(), 10));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (page == 1)
        PrintBoxesPage1(painter, fields);
    else
        PrintBoxPage2(painter, fields);
    painter.restore();
}

void CCmrPrint::PrintAlignmentMarks(QPainter& painter) const
{
    // The corner at the upper left lies where the publisher's sheet has its
    // first frame line; the tick further down is the same on every sheet.
    const int x = m_offset.x();
    const int y = m_offset.y();
    const int cornerY = m_publisher == 0 ? 100 : 120;
    painter.setPen(PaperPen(kMarkPenWidth));
    const QPoint corner[] = {QPoint(x + 50, y + cornerY + 30), QPoint(x + 50, y + cornerY),
                             QPoint(x + 80, y + cornerY)};
    painter.drawPolyline(corner, 3);
    painter.drawLine(QPoint(x + 50, y + 2130), QPoint(x + 50, y + 2100));
}

void CCmrPrint::PrintBoxesPage1(QPainter& painter, const CFieldPainter& fields) const
{
    PrintAlignmentMarks(painter);

    const CFieldStore& store = m_document.GetStore();
    painter.setPen(Qt::black);
    for (int i = 0; i < kBoxCount; ++i)
        fields.PrintField(painter, GetPrintRect(i, 1), store, quint16(i), 1, false);

    // A permit type the form has no box for (a damaged file) crosses nothing,
    // rather than some other box.
    const quint16 permitType = m_document.GetCheckWord();
    if (permitType == 0 || permitType > kPermitBoxCount ||
        !CCmrFormPainter::PermitGuardFilled(store))
        return;
    const QRect r = GetPrintRect(kFirstPermitBox + permitType - 1, 1);
    const int left = r.x(), top = r.y();
    const int right = r.x() + r.width(), bottom = r.y() + r.height();
    painter.setPen(PaperPen(kCrossPenWidth));
    painter.drawLine(QPoint(left, top), QPoint(right, bottom));
    painter.drawLine(QPoint(left, bottom), QPoint(right, top));
}

void CCmrPrint::PrintBoxPage2(QPainter& painter, const CFieldPainter& fields) const
{
    painter.setPen(Qt::black);
    fields.PrintField(painter, GetPrintRect(0, 2), m_document.GetStore(), 0, 2, false);
}
