#include "preview/build_preview.h"

#include "host/platform.h"
#include "preview/work_list.h"
#include "ui/main_window.h"

void BuildPreview() {
  WorkList workListA = NewWorkList();
  WorkList workListB = NewWorkList();
  if (编辑框_文本输入.text().empty()) {
    ShowMessageBox(FromUtf8("你还没输入东西"), MB_OK_ONLY, FromUtf8(" = ="));
    return;
  }
  const int32_t countAfterVertical = FilterVerticalFonts(workListA);
  const int32_t countAfterKeyword = FilterKeyword(workListA, countAfterVertical, workListB);
  const int32_t countAfterLatin = FilterLatinLetters(workListB, countAfterKeyword, workListA);
  WritePreview(workListA, countAfterLatin);
}
