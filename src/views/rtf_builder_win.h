// Hands a built rich-text document to a rich edit control.
#pragma once
#include <windows.h>

namespace tw {

// Replaces the control's content by the NUL-terminated document (EM_STREAMIN with
// SF_RTF). Each call reads the document from its start; returns the message's result.
LRESULT RtfStreamIn(HWND richEdit, const char* document);

}  // namespace tw
