#pragma once
// The two export commands of the preview: the clipboard (with the side file "1." in the current
// directory) and an RTF document under a ".doc" name.

// Click handler of 按钮2 ("复制到剪切板").
void CopyPreview();

// Click handler of 按钮3 ("输出到doc文件").
void SavePreviewAsDoc();
