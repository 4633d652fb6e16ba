#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>

class QTextLayout;

// The glyphs Qt draws for a line of text, grouped with the characters they
// stand for. A cluster is the smallest run of characters whose glyphs no
// other character shares: one letter and its glyph in most scripts, a whole
// Devanagari syllable whose vowel sign is drawn first or whose letters join,
// an Arabic letter with its vowel mark.
namespace printing {

struct GlyphCluster
{
    int from = 0;   // the first character, in the layout's text
    int length = 0; // its characters, in logical order
    QRawFont font;
    QList<quint32> glyphs;
    QList<QPointF> positions; // on the baseline, from the layout's origin
};

// The clusters of the layout's first line, in the text's logical order. The
// layout must be laid out; a character no glyph stands for (a joiner) goes
// with the cluster before it.
QList<GlyphCluster> glyphClusters(const QTextLayout &layout);

} // namespace printing
