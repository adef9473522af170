#pragma once
// Reads documents with LibreOffice as a word processor would: converts them headless to ODT and
// returns, paragraph by paragraph, the text and the character properties of each run.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace libreoffice {

struct RunProperties {
  std::string fontFamily;       // the face of Western text, as LibreOffice names it
  std::string fontFamilyAsian;  // the face of East Asian text
  std::string fontSize;         // "15pt"
  std::string color;            // "#rrggbb", or "" for the automatic colour
  bool bold = false, italic = false, underline = false, strikeOut = false;
  std::string textPosition;  // "20% 100%" for a raised run, "" for none
};

struct Run {
  std::string text;  // UTF-8; a tab is "\t", a line break "\n"
  RunProperties properties;
};

using Paragraph = std::vector<Run>;

inline bool Available() { return !QStandardPaths::findExecutable("soffice").isEmpty(); }

// Tests call this first: outside CI a missing LibreOffice skips, in CI it fails.
#define REQUIRE_LIBREOFFICE()                                                       \
  do {                                                                              \
    if (!libreoffice::Available()) {                                                \
      if (std::getenv("CI")) FAIL() << "soffice is not installed";                  \
      GTEST_SKIP() << "soffice is not installed; install libreoffice-writer-nogui"; \
    }                                                                               \
  } while (0)

namespace detail {

inline QByteArray Run(const QString& program, const QStringList& arguments, int timeoutMs) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0) return {};
  return process.readAllStandardOutput();
}

inline QByteArray ContentXml(const QString& odt) {
  if (!QStandardPaths::findExecutable("unzip").isEmpty())
    return Run("unzip", {"-p", odt, "content.xml"}, 30000);
  return Run("python3",
             {"-c",
              "import sys,zipfile;sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1])"
              ".read('content.xml'))",
              odt},
             30000);
}

inline std::string Unquote(QString family) {
  if (family.size() >= 2 && family.startsWith('\'') && family.endsWith('\''))
    family = family.mid(1, family.size() - 2);
  return family.toStdString();
}

struct Styles {
  std::map<QString, std::string> fontFaces;  // style:name -> svg:font-family
  std::map<QString, RunProperties> styles;
  std::map<QString, bool> setsColor;
};

inline void ReadTextProperties(const QXmlStreamAttributes& a, Styles& styles,
                               const QString& style) {
  RunProperties& p = styles.styles[style];
  const auto face = [&](const char* attribute, std::string& target) {
    const QString name = a.value(attribute).toString();
    if (name.isEmpty()) return;
    const auto it = styles.fontFaces.find(name);
    target = it == styles.fontFaces.end() ? name.toStdString() : it->second;
  };
  face("style:font-name", p.fontFamily);
  face("style:font-name-asian", p.fontFamilyAsian);
  if (a.hasAttribute("fo:font-size")) p.fontSize = a.value("fo:font-size").toString().toStdString();
  if (a.hasAttribute("fo:color")) p.color = a.value("fo:color").toString().toStdString();
  if (a.value("style:use-window-font-color") == QLatin1String("true")) p.color.clear();
  if (a.hasAttribute("fo:color") || a.hasAttribute("style:use-window-font-color"))
    styles.setsColor[style] = true;
  if (a.hasAttribute("fo:font-weight")) p.bold = a.value("fo:font-weight") == QLatin1String("bold");
  if (a.hasAttribute("fo:font-style"))
    p.italic = a.value("fo:font-style") == QLatin1String("italic");
  if (a.hasAttribute("style:text-underline-style"))
    p.underline = a.value("style:text-underline-style") != QLatin1String("none");
  if (a.hasAttribute("style:text-line-through-style"))
    p.strikeOut = a.value("style:text-line-through-style") != QLatin1String("none");
  if (a.hasAttribute("style:text-position"))
    p.textPosition = a.value("style:text-position").toString().toStdString();
}

// Paragraph and span styles carry the run properties; nested elements inherit them.
inline std::vector<Paragraph> ParseContent(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  Styles styles;
  QString currentStyle;
  std::vector<Paragraph> paragraphs;
  std::vector<RunProperties> stack;
  const auto append = [&](const QString& text) {
    if (paragraphs.empty() || stack.empty()) return;
    Paragraph& p = paragraphs.back();
    if (p.empty() || p.back().properties.fontFamily != stack.back().fontFamily ||
        p.back().properties.fontSize != stack.back().fontSize ||
        p.back().properties.color != stack.back().color)
      p.push_back({"", stack.back()});
    p.back().text += text.toStdString();
  };
  bool inBody = false;
  while (!reader.atEnd()) {
    const auto token = reader.readNext();
    const QString name = reader.qualifiedName().toString();
    if (token == QXmlStreamReader::StartElement) {
      const QXmlStreamAttributes a = reader.attributes();
      if (name == "style:font-face") {
        styles.fontFaces[a.value("style:name").toString()] =
            Unquote(a.value("svg:font-family").toString());
      } else if (name == "style:style") {
        currentStyle = a.value("style:name").toString();
        styles.styles[currentStyle] = {};
      } else if (name == "style:text-properties" && !currentStyle.isEmpty()) {
        ReadTextProperties(a, styles, currentStyle);
      } else if (name == "office:body") {
        inBody = true;
      } else if (inBody && (name == "text:p" || name == "text:h" || name == "text:span")) {
        if (name != "text:span") paragraphs.emplace_back();
        RunProperties p = stack.empty() ? RunProperties{} : stack.back();
        const auto it = styles.styles.find(a.value("text:style-name").toString());
        if (it != styles.styles.end()) {
          // Only what the style sets overrides the enclosing properties.
          const RunProperties& s = it->second;
          if (!s.fontFamily.empty()) p.fontFamily = s.fontFamily;
          if (!s.fontFamilyAsian.empty()) p.fontFamilyAsian = s.fontFamilyAsian;
          if (!s.fontSize.empty()) p.fontSize = s.fontSize;
          if (styles.setsColor.count(it->first)) p.color = s.color;
          p.bold |= s.bold, p.italic |= s.italic, p.underline |= s.underline;
          p.strikeOut |= s.strikeOut;
          if (!s.textPosition.empty()) p.textPosition = s.textPosition;
        }
        stack.push_back(p);
      } else if (inBody && name == "text:s") {
        append(QString(a.value("text:c").isEmpty() ? 1 : a.value("text:c").toInt(), ' '));
      } else if (inBody && name == "text:tab") {
        append("\t");
      } else if (inBody && name == "text:line-break") {
        append("\n");
      }
    } else if (token == QXmlStreamReader::EndElement) {
      if (name == "style:style") currentStyle.clear();
      if (inBody && (name == "text:p" || name == "text:h" || name == "text:span")) stack.pop_back();
    } else if (token == QXmlStreamReader::Characters && inBody && !stack.empty()) {
      append(reader.text().toString());
    }
  }
  return paragraphs;
}

}  // namespace detail

// Converts every file with one LibreOffice run (a fresh profile each time: parallel runs on one
// profile fail) and returns the paragraphs of each, in the order given. A file LibreOffice
// could not read gives no paragraphs.
inline std::vector<std::vector<Paragraph>> ReadDocuments(const std::vector<QString>& paths) {
  QTemporaryDir profile, out;
  QStringList arguments{
      "--headless",   "-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(),
      "--convert-to", "odt",
      "--outdir",     out.path()};
  for (const QString& path : paths) arguments << path;
  detail::Run("soffice", arguments, 300000);
  std::vector<std::vector<Paragraph>> documents;
  for (const QString& path : paths) {
    QString base = QFileInfo(path).fileName();
    const qsizetype dot = base.lastIndexOf('.');
    if (dot > 0) base.truncate(dot);  // LibreOffice replaces the last extension; ".doc" stays
    documents.push_back(detail::ParseContent(detail::ContentXml(out.filePath(base + ".odt"))));
  }
  return documents;
}

inline std::vector<Paragraph> ReadDocument(const QString& path) { return ReadDocuments({path})[0]; }

}  // namespace libreoffice
