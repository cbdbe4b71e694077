#include <QGlyphRun>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "platform/widgets_p.h"

namespace platform {

FieldLayout::FieldLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

QRectF FieldLayout::blockBoundingRect(const QTextBlock& block) const {
  // The base lays the block out when it has no lines yet; the lines then move to their pitch.
  const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
  return pitchLines(block) ? QPlainTextDocumentLayout::blockBoundingRect(block) : rect;
}

qreal FieldLayout::chineseLineHeight() const { return lineHeightFor(document()->defaultFont(), true); }

namespace {

// Where a line of the given pitch puts its top so that its glyphs stand whole in its room: a
// line shorter than the face's own gives up the room in the share of the face's descent. The
// field adds its margin above the first block; pitched lines start at the field's top instead.
qreal lineTop(const QTextLine& line, qreal pitch, int index, qreal above) {
  const qreal natural = line.ascent() + line.descent();
  const qreal baseline = line.ascent() - std::max<qreal>(natural - pitch, 0) * line.descent() / natural;
  return index * pitch + baseline - line.ascent() - above;
}

// Whether a face of the line holds the Chinese numerals: asked of the face itself, since the
// desktop's language may name it in Chinese and a face need not declare its writing systems.
bool inChineseFace(const QTextLine& line) {
  const QList<QGlyphRun> runs = line.glyphRuns();
  return std::any_of(runs.begin(), runs.end(),
                     [](const QGlyphRun& run) { return run.rawFont().supportsCharacter(QChar(u'\u4E00')); });
}

}  // namespace

qreal FieldLayout::marginAbove(const QTextBlock& block) const {
  return block.blockNumber() == 0 ? document()->documentMargin() : 0;
}

bool FieldLayout::pitched(const QTextBlock& block) const {
  const QTextLayout* layout = block.layout();
  const int count = layout ? layout->lineCount() : 0;
  if (count == 0) return false;
  // Qt lays a block out anew only after a change, which puts every line back where it was.
  const qreal pitch = chineseLineHeight(), above = marginAbove(block);
  const QTextLine first = layout->lineAt(0), last = layout->lineAt(count - 1);
  // Lines stand at whole 64ths of a pixel.
  const auto at = [](qreal y, qreal wanted) { return std::abs(y - wanted) < 1.0 / 32; };
  return at(first.y(), lineTop(first, pitch, 0, above)) && at(last.y(), lineTop(last, pitch, count - 1, above));
}

void FieldLayout::setPitching(bool on) {
  if (on == pitching_) return;
  pitching_ = on;
  // Laid out anew, every line goes back where Qt puts it, and is pitched again if it must.
  document()->markContentsDirty(0, document()->characterCount());
}

bool FieldLayout::pitchLines(const QTextBlock& block) const {
  QTextLayout* layout = block.layout();
  if (!pitching_ || !layout || layout->lineCount() == 0 || pitched(block)) return false;
  const qreal pitch = chineseLineHeight(), above = marginAbove(block);
  const QTextLine first = layout->lineAt(0);
  if (first.height() <= pitch || !inChineseFace(first)) return false;
  for (int i = 0; i < layout->lineCount(); ++i) {
    QTextLine line = layout->lineAt(i);
    line.setPosition(QPointF(line.x(), lineTop(line, pitch, i, above)));
  }
  return true;
}

}  // namespace platform
