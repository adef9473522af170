#pragma once
// Restricts what the user may type into a line edit: only the allowed characters, and none once
// the text would grow past the limit. Key presses, pastes (keys, context menu, middle button)
// and input-method commits are all typing; text the program sets is neither filtered nor limited.
#include <QString>

class QLineEdit;

// allowed empty: any character; limit 0: no limit.
void InstallTypingFilter(QLineEdit* edit, const QString& allowed, int limit);
