#include "OnePage.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

namespace report {
namespace {

// Lays a document out for another device for as long as it lives, then puts
// back the device and page size it had: the caller may still show or save
// the same document.
class DeviceLayout final
{
public:
    DeviceLayout(QTextDocument &page, QPaintDevice &device)
        : m_page(page)
        , m_layout(*page.documentLayout())
        , m_previousDevice(m_layout.paintDevice())
        , m_previousSize(page.pageSize())
    {
        // Lengths given in pixels (margins, image sizes) are scaled to the
        // device's resolution, so the page keeps its proportions.
        m_layout.setPaintDevice(&device);
    }
    ~DeviceLayout()
    {
        m_layout.setPaintDevice(m_previousDevice);
        // Setting the page size lays the document out anew.
        m_page.setPageSize(m_previousSize);
    }
    DeviceLayout(const DeviceLayout &) = delete;
    DeviceLayout &operator=(const DeviceLayout &) = delete;

private:
    QTextDocument &m_page;
    QAbstractTextDocumentLayout &m_layout;
    QPaintDevice *m_previousDevice;
    QSizeF m_previousSize;
};

} // namespace

void setPageMargins(QPagedPaintDevice &device)
{
    device.setPageMargins(PageMargins, QPageLayout::Millimeter);
}

bool printOnOnePage(QTextDocument &page, QPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The printable area, in device pixels; the painter's origin is its
    // top left corner.
    const QSizeF area(device.width(), device.height());
    DeviceLayout layout(page, device);
    page.setTextWidth(area.width());
    const qreal scale = std::min(1.0, area.height() / page.size().height());
    // Laid out wider by as much as it is shrunk, the page still fills the
    // area's width, and it runs no longer than at the first width.
    if (scale < 1.0)
        page.setTextWidth(area.width() / scale);
    painter.scale(scale, scale);
    page.drawContents(&painter, QRectF(QPointF(0, 0), area / scale));
    return painter.end();
}

} // namespace report
