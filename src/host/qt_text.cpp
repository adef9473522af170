#include "host/qt_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Length of the prefix made of whole characters; a one-shot decode would silently drop a
// trailing incomplete character instead of showing it as a replacement character.
size_t CompletePrefix(const Text& text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t n = CharacterByteLength(text, i);
    if (i + n > text.size()) break;
    i += n;
  }
  return i;
}

QStringDecoder& Decoder() {
  thread_local QStringDecoder decoder("GB18030");
  return decoder;
}

QStringEncoder& Encoder() {
  thread_local QStringEncoder encoder("GB18030");
  return encoder;
}

}  // namespace

QString ToQString(const Text& text) {
  const size_t whole = CompletePrefix(text);
  QStringDecoder& decoder = Decoder();
  decoder.resetState();
  QString result = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(whole)));
  if (whole < text.size()) result += QChar::ReplacementCharacter;
  return result;
}

Text FromQString(const QString& text) {
  QStringEncoder& encoder = Encoder();
  encoder.resetState();
  const QByteArray bytes = encoder.encode(text);
  return Text(bytes.constData(), static_cast<size_t>(bytes.size()));
}
