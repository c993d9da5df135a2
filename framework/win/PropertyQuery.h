// Property queries from another process: a test driver asks a form for a published property of
// one of its components by name ("lblInfo.Caption") — the one way to read windowless controls,
// which have no window to ask. Forms answer them only in builds with tests.
#pragma once

#include <windows.h>

#include "framework/core/PropertyText.h"

namespace tw {

// WM_COPYDATA tags: the query carries "Component.Property" (or "Property" for the form itself)
// as UTF-16; the answer goes back to the window in wParam as UTF-16 text.
constexpr ULONG_PTR kPropertyQueryTag = 0x54575051;   // 'TWPQ'
constexpr ULONG_PTR kPropertyAnswerTag = 0x54575052;  // 'TWPR'

// Handles a WM_COPYDATA query; true when the message was a query (answered or not).
bool AnswerPropertyQuery(TComponent& root, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tw
