#include "GlyphClusters.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>

namespace printing {
namespace {

struct Glyph
{
    QRawFont font;
    quint32 index;
    QPointF position;

    bool operator==(const Glyph &other) const
    {
        return index == other.index && position == other.position && font == other.font;
    }
};

// The glyphs Qt gives for one character. Qt hands every character of a
// cluster at least the cluster's first glyph, and its last character all of
// them, so the characters of one cluster always share a glyph.
QList<Glyph> glyphsOf(const QTextLayout &layout, int character)
{
    QList<Glyph> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns(character, 1)) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            glyphs.append({run.rawFont(), indexes[i], positions[i]});
    }
    return glyphs;
}

bool contains(const GlyphCluster &cluster, const Glyph &glyph)
{
    for (qsizetype i = 0; i < cluster.glyphs.size(); ++i) {
        if (Glyph{cluster.font, cluster.glyphs[i], cluster.positions[i]} == glyph)
            return true;
    }
    return false;
}

} // namespace

QList<GlyphCluster> glyphClusters(const QTextLayout &layout)
{
    QList<GlyphCluster> clusters;
    const int length = int(layout.text().size());
    for (int character = 0; character < length; ++character) {
        const QList<Glyph> glyphs = glyphsOf(layout, character);
        const bool joinsPrevious =
            !clusters.isEmpty() &&
            (glyphs.isEmpty() || clusters.last().glyphs.isEmpty() ||
             std::any_of(glyphs.begin(), glyphs.end(),
                         [&](const Glyph &glyph) { return contains(clusters.last(), glyph); }));
        if (!joinsPrevious)
            clusters.append(
                {character, 0, glyphs.isEmpty() ? QRawFont() : glyphs.first().font, {}, {}});
        GlyphCluster &cluster = clusters.last();
        ++cluster.length;
        if (cluster.glyphs.isEmpty() && !glyphs.isEmpty())
            cluster.font = glyphs.first().font;
        for (const Glyph &glyph : glyphs) {
            if (!contains(cluster, glyph)) {
                cluster.glyphs.append(glyph.index);
                cluster.positions.append(glyph.position);
            }
        }
    }
    return clusters;
}

} // namespace printing
