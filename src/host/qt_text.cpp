#include "host/qt_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Byte length of the GB18030 character that starts at text[i], as far as the text holds it.
size_t CharacterLength(const Text& text, size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  if (i + 1 < text.size()) {
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second >= 0x30 && second <= 0x39) return 4;
  }
  return 2;
}

// Length of the prefix made of whole characters; a one-shot decode would silently drop a
// trailing incomplete character instead of showing it as a replacement character.
size_t CompletePrefix(const Text& text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t n = CharacterLength(text, i);
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
