#include "CairoPdfPage.h"

#include "GlyphClusters.h"

#include <QHash>
#include <QIODevice>
#include <QImage>
#include <QLoggingCategory>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextLayout>

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace printing {
namespace {

Q_LOGGING_CATEGORY(lcPdf, "kelo.pdf", QtWarningMsg)

constexpr qreal PointsPerInch = 72;

cairo_status_t writeToDevice(void *file, const unsigned char *data, unsigned int length)
{
    const auto size = qint64(length);
    return static_cast<QIODevice *>(file)->write(reinterpret_cast<const char *>(data), size) == size
               ? CAIRO_STATUS_SUCCESS
               : CAIRO_STATUS_WRITE_ERROR;
}

cairo_matrix_t cairoMatrix(const QTransform &transform)
{
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, transform.m11(), transform.m12(), transform.m21(), transform.m22(),
                      transform.dx(), transform.dy());
    return matrix;
}

void setSource(cairo_t *cairo, const QColor &colour)
{
    cairo_set_source_rgba(cairo, colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF());
}

void addPath(cairo_t *cairo, const QPainterPath &path)
{
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo()) {
            cairo_move_to(cairo, element.x, element.y);
        } else if (element.isLineTo()) {
            cairo_line_to(cairo, element.x, element.y);
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element second = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            cairo_curve_to(cairo, element.x, element.y, second.x, second.y, end.x, end.y);
            i += 2;
        }
    }
}

// The face of the font file Qt drew with, found as Qt found it: through
// fontconfig, by family, weight and slant. Where the file has no such
// weight, fontconfig asks cairo to embolden it, as Qt does.
class FontFaces final
{
public:
    FontFaces() = default;
    FontFaces(const FontFaces &) = delete;
    FontFaces &operator=(const FontFaces &) = delete;
    ~FontFaces()
    {
        for (cairo_font_face_t *face : std::as_const(m_faces))
            cairo_font_face_destroy(face);
    }

    cairo_font_face_t *faceFor(const QRawFont &font)
    {
        const QString key =
            u"%1/%2/%3"_s.arg(font.familyName()).arg(font.weight()).arg(int(font.style()));
        if (cairo_font_face_t *face = m_faces.value(key))
            return face;
        FcPattern *pattern = FcPatternCreate();
        FcPatternAddString(
            pattern, FC_FAMILY,
            reinterpret_cast<const FcChar8 *>(font.familyName().toUtf8().constData()));
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(font.weight()));
        FcPatternAddInteger(pattern, FC_SLANT,
                            font.style() == QFont::StyleNormal ? FC_SLANT_ROMAN : FC_SLANT_ITALIC);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern *match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match) {
            qCWarning(lcPdf) << "no font file for" << font.familyName();
            return nullptr;
        }
        cairo_font_face_t *face = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
        m_faces.insert(key, face);
        return face;
    }

private:
    QHash<QString, cairo_font_face_t *> m_faces;
};

class CairoPaintEngine final : public QPaintEngine
{
public:
    CairoPaintEngine(cairo_t *cairo, const cairo_matrix_t &deviceMatrix)
        : QPaintEngine(PrimitiveTransform | PixmapTransform | PainterPaths | Antialiasing |
                       BrushStroke | AlphaBlend | PaintOutsidePaintEvent)
        , m_cairo(cairo)
        , m_deviceMatrix(deviceMatrix)
    {}

    bool begin(QPaintDevice *) override { return cairo_status(m_cairo) == CAIRO_STATUS_SUCCESS; }
    bool end() override { return cairo_status(m_cairo) == CAIRO_STATUS_SUCCESS; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }

    void drawPath(const QPainterPath &path) override
    {
        useTransform();
        cairo_new_path(m_cairo);
        addPath(m_cairo, path);
        cairo_set_fill_rule(m_cairo, path.fillRule() == Qt::WindingFill ? CAIRO_FILL_RULE_WINDING
                                                                        : CAIRO_FILL_RULE_EVEN_ODD);
        if (m_brush.style() != Qt::NoBrush) {
            setSource(m_cairo, m_brush.color());
            cairo_fill_preserve(m_cairo);
        }
        if (m_pen.style() != Qt::NoPen) {
            setSource(m_cairo, m_pen.color());
            // A cosmetic pen is one point of the page wide whatever the scale.
            double width = m_pen.widthF();
            if (m_pen.isCosmetic() || width <= 0) {
                double dx = 1, dy = 0;
                cairo_device_to_user_distance(m_cairo, &dx, &dy);
                width = std::max(width, std::hypot(dx, dy));
            }
            cairo_set_line_width(m_cairo, width);
            cairo_stroke_preserve(m_cairo);
        }
        cairo_new_path(m_cairo);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count <= 0)
            return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode == PolylineMode) {
            const QBrush brush = m_brush;
            m_brush = Qt::NoBrush;
            drawPath(path);
            m_brush = brush;
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        QImage image = pixmap.toImage()
                           .copy(source.toAlignedRect())
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return;
        cairo_surface_t *surface =
            cairo_image_surface_create_for_data(image.bits(), CAIRO_FORMAT_ARGB32, image.width(),
                                                image.height(), int(image.bytesPerLine()));
        useTransform();
        cairo_translate(m_cairo, target.x(), target.y());
        cairo_scale(m_cairo, target.width() / image.width(), target.height() / image.height());
        cairo_set_source_surface(m_cairo, surface, 0, 0);
        cairo_paint(m_cairo);
        cairo_surface_destroy(surface);
    }

    // Lays the item's text out again as Qt laid it out for this device, and
    // writes its glyphs with the characters of each cluster.
    void drawTextItem(const QPointF &baseline, const QTextItem &item) override
    {
        QTextLayout layout(item.text(), item.font(), paintDevice());
        QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(item.renderFlags() & QTextItem::RightToLeft ? Qt::RightToLeft
                                                                            : Qt::LeftToRight);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return;
        const QPointF origin = baseline - QPointF(0, line.ascent());
        useTransform();
        setSource(m_cairo, m_pen.color());
        const QList<GlyphCluster> clusters = glyphClusters(layout);
        // One call of cairo a font.
        for (qsizetype first = 0; first < clusters.size();) {
            qsizetype last = first + 1;
            while (last < clusters.size() && clusters[last].font == clusters[first].font)
                ++last;
            showClusters(layout.text(), clusters.mid(first, last - first), origin,
                         option.textDirection() == Qt::RightToLeft);
            first = last;
        }
    }

private:
    void useTransform()
    {
        cairo_set_matrix(m_cairo, &m_deviceMatrix);
        const cairo_matrix_t painter = cairoMatrix(m_transform);
        cairo_transform(m_cairo, &painter);
    }

    // Right to left the clusters are written in the order they stand on the
    // line, from its left, as PDF readers expect Arabic to be written: drawn
    // from the right, every letter is a word of its own to poppler (pdftotext,
    // the desktop's PDF viewers), which then guesses the spaces. Poppler
    // spreads a cluster's characters over its glyphs from the left in the
    // order given, from its first glyph's start, on that glyph's baseline, to
    // its last glyph's end. So right to left a cluster's characters are given
    // in the order they stand (a lam with alef, a letter with its vowel mark),
    // its letters from the left, and its marks, which sit off the baseline or
    // within a letter, are drawn as outlines beside the text: the letters
    // carry the marks' characters.
    void showClusters(const QString &text, QList<GlyphCluster> clusters, const QPointF &origin,
                      bool rightToLeft)
    {
        const QRawFont font = clusters.first().font;
        cairo_font_face_t *face = font.isValid() ? m_faces.faceFor(font) : nullptr;
        if (!face)
            return;
        if (rightToLeft)
            std::reverse(clusters.begin(), clusters.end());
        QByteArray utf8;
        std::vector<cairo_glyph_t> glyphs;
        std::vector<cairo_glyph_t> outlined;
        std::vector<cairo_text_cluster_t> textClusters;
        for (const GlyphCluster &cluster : std::as_const(clusters)) {
            QString characters = text.mid(cluster.from, cluster.length);
            std::vector<cairo_glyph_t> letters;
            std::vector<cairo_glyph_t> marks;
            const QList<QPointF> advances = font.advancesForGlyphIndexes(cluster.glyphs);
            for (qsizetype i = 0; i < cluster.glyphs.size(); ++i) {
                const QPointF at = origin + cluster.positions[i];
                const bool mark = advances.value(i).x() <= 0 ||
                                  cluster.positions[i].y() != cluster.positions.first().y();
                (mark ? marks : letters).push_back({cluster.glyphs[i], at.x(), at.y()});
            }
            if (letters.empty())
                letters.swap(marks);
            std::sort(letters.begin(), letters.end(),
                      [](const cairo_glyph_t &a, const cairo_glyph_t &b) { return a.x < b.x; });
            if (rightToLeft)
                std::reverse(characters.begin(), characters.end());
            const QByteArray encoded = characters.toUtf8();
            utf8 += encoded;
            glyphs.insert(glyphs.end(), letters.begin(), letters.end());
            outlined.insert(outlined.end(), marks.begin(), marks.end());
            textClusters.push_back({int(encoded.size()), int(letters.size())});
        }
        cairo_set_font_face(m_cairo, face);
        cairo_set_font_size(m_cairo, font.pixelSize());
        cairo_show_text_glyphs(m_cairo, utf8.constData(), int(utf8.size()), glyphs.data(),
                               int(glyphs.size()), textClusters.data(), int(textClusters.size()),
                               cairo_text_cluster_flags_t(0));
        if (!outlined.empty()) {
            cairo_new_path(m_cairo);
            cairo_glyph_path(m_cairo, outlined.data(), int(outlined.size()));
            cairo_fill(m_cairo);
        }
    }

    cairo_t *m_cairo;
    cairo_matrix_t m_deviceMatrix;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    FontFaces m_faces;
};

} // namespace

struct CairoPdfPage::Private
{
    QIODevice &file;
    QRectF paintRect; // in points, on the paper
    int resolution;
    cairo_surface_t *surface = nullptr;
    cairo_t *cairo = nullptr;
    std::unique_ptr<CairoPaintEngine> engine;
    bool finished = false;
};

CairoPdfPage::CairoPdfPage(QIODevice &file, const QPageLayout &layout, int resolution)
    : d(new Private{
          file, layout.paintRect(QPageLayout::Point), resolution, nullptr, nullptr, {}, false})
{
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    d->surface =
        cairo_pdf_surface_create_for_stream(writeToDevice, &file, paper.width(), paper.height());
    d->cairo = cairo_create(d->surface);
    // Device pixels at the resolution, from the printable area's corner.
    cairo_matrix_t deviceMatrix;
    cairo_matrix_init_translate(&deviceMatrix, d->paintRect.left(), d->paintRect.top());
    cairo_matrix_scale(&deviceMatrix, PointsPerInch / resolution, PointsPerInch / resolution);
    d->engine = std::make_unique<CairoPaintEngine>(d->cairo, deviceMatrix);
}

CairoPdfPage::~CairoPdfPage()
{
    cairo_destroy(d->cairo);
    cairo_surface_destroy(d->surface);
}

void CairoPdfPage::setTitle(const QString &title)
{
    cairo_pdf_surface_set_metadata(d->surface, CAIRO_PDF_METADATA_TITLE,
                                   title.toUtf8().constData());
}

void CairoPdfPage::setCreator(const QString &creator)
{
    cairo_pdf_surface_set_metadata(d->surface, CAIRO_PDF_METADATA_CREATOR,
                                   creator.toUtf8().constData());
}

bool CairoPdfPage::finish()
{
    if (d->finished)
        return false;
    d->finished = true;
    cairo_show_page(d->cairo);
    cairo_surface_finish(d->surface);
    return cairo_status(d->cairo) == CAIRO_STATUS_SUCCESS &&
           cairo_surface_status(d->surface) == CAIRO_STATUS_SUCCESS;
}

QPaintEngine *CairoPdfPage::paintEngine() const
{
    return d->engine.get();
}

int CairoPdfPage::metric(PaintDeviceMetric metric) const
{
    const qreal toPixels = d->resolution / PointsPerInch;
    const qreal toMillimetres = 25.4 / PointsPerInch;
    switch (metric) {
    case PdmWidth:
        return qRound(d->paintRect.width() * toPixels);
    case PdmHeight:
        return qRound(d->paintRect.height() * toPixels);
    case PdmWidthMM:
        return qRound(d->paintRect.width() * toMillimetres);
    case PdmHeightMM:
        return qRound(d->paintRect.height() * toMillimetres);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return d->resolution;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace printing
