#pragma once

#include <QPageLayout>
#include <QPaintDevice>

#include <memory>

class QIODevice;

// One sheet of a PDF file written by cairo, painted on with QPainter.
//
// Qt's own PDF writer maps each glyph of a font back to one character. That
// reads back wrong wherever a glyph is not one character: a Devanagari
// syllable whose vowel sign is drawn before its consonant or whose letters
// join into one glyph, an Arabic letter in its joined form (read back as a
// presentation form), a Chinese ideograph whose glyph the font shares with a
// radical (风 read back as ⻛). Cairo writes each such cluster with the
// characters it stands for (a marked-content span with /ActualText), so that
// a search, a copy and a screen reader get the page's own words. The text is
// laid out by Qt as on any other device; only the writing differs.
namespace printing {

class CairoPdfPage final : public QPaintDevice
{
public:
    // A PDF of one page of the layout's paper into `file`, which must be open
    // for writing; `resolution` device pixels an inch, as QPdfWriter's.
    CairoPdfPage(QIODevice &file, const QPageLayout &layout, int resolution = 1200);
    ~CairoPdfPage() override;
    CairoPdfPage(const CairoPdfPage &) = delete;
    CairoPdfPage &operator=(const CairoPdfPage &) = delete;

    void setTitle(const QString &title);
    void setCreator(const QString &creator);

    // Ends the page and the file; false when cairo failed or the file could
    // not take every byte. Paint nothing after it.
    bool finish();

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace printing
