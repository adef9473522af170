#include "export/export.h"

#include "host/platform.h"
#include "ui/main_window.h"

namespace {

// Shows the message and answers true when there is no preview to export. The box is in plain
// text here: both commands put it back before they end.
bool PreviewIsEmpty() {
  if (!超级编辑框1.content().empty()) return false;
  ShowMessageBox(FromUtf8("还没有预览字体~！"), MB_OK_ONLY, FromUtf8("= =!"));
  return true;
}

// Formed afresh from the dialog each time; ".doc" is appended even to a name ending in ".doc".
Text DocTargetPath() { return 通用对话框1.fileName() + FromUtf8(".doc"); }

// A cancelled dialog still saves: under the program's directory, named by the sample text.
void AskForDocName() {
  通用对话框1.setFileName(Text());
  通用对话框1.setInitialDirectory(GetProgramDirectory() + PATH_SEPARATOR);
  通用对话框1.setFilter(FromUtf8("*.doc"));
  if (!RunFileDialog(通用对话框1))
    通用对话框1.setFileName(GetProgramDirectory() + PATH_SEPARATOR + 编辑框_文本输入.text());
}

bool WritePreviewAsRtf(const Text& path) {
  超级编辑框1.setTextFormat(TEXT_FORMAT_RICH);
  const bool written = WriteBytesToFile(path, TextToBytes(超级编辑框1.content()));
  超级编辑框1.setTextFormat(TEXT_FORMAT_PLAIN);
  return written;
}

}  // namespace

void CopyPreview() {
  if (PreviewIsEmpty()) return;
  超级编辑框1.setTextFormat(TEXT_FORMAT_RICH);
  超级编辑框1.setSelectionLength(-1);
  超级编辑框1.CopySelection();
  // The clipboard holds the preview whatever becomes of this side file, so a failed write
  // does not change the message.
  WriteBytesToFile(FromUtf8("1."), TextToBytes(超级编辑框1.content()));
  超级编辑框1.setSelectionLength(0);
  超级编辑框1.setTextFormat(TEXT_FORMAT_PLAIN);
  ShowMessageBox(FromUtf8("已经拷贝到剪辑版，打开word粘贴吧！"), MB_OK_ONLY, FromUtf8("呵呵"));
}

void SavePreviewAsDoc() {
  if (PreviewIsEmpty()) return;
  AskForDocName();
  // Offering to open a file that was never written would report a failure as success.
  if (!WritePreviewAsRtf(DocTargetPath())) {
    ShowMessageBox(FromUtf8("无法写入文件：") + DocTargetPath(), MB_OK_ONLY, FromUtf8("= =!"));
    return;
  }
  const int answer = ShowMessageBox(FromUtf8("已经生成doc文档，是否立即打开查看！"),
                                    MB_YES_NO_QUESTION, FromUtf8("呵呵"));
  if (answer == ANSWER_YES) OpenWithShell(DocTargetPath());
}
