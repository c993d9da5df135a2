#include "tests/support/GuiObjectCount.h"

#include <winternl.h>

#include <cstdint>
#include <numeric>

#include "framework/win/Handles.h"

namespace tw::test {

namespace {

// One slot of the GDI handle table the process environment block points to, in its 64-bit
// layout (Windows x64 and Wine 8's win32u alike). Wine gives every process a table of its own
// and marks a free slot with Type 0; Windows shares one table between the processes of a
// session, names the owner in ProcessId and keeps the type of a deleted object, so liveness is
// asked of GetObjectType.
struct TGdiTableEntry {
    uint64_t Object;
    uint16_t ProcessId;
    uint16_t Count;
    uint8_t ExtType;  // bit 7: a stock object
    uint8_t Generation;
    uint8_t Type;
    uint8_t Flags;
    uint64_t UserPointer;
};
static_assert(sizeof(TGdiTableEntry) == 24, "the table's 64-bit slot");

constexpr unsigned kTableSlots = 0x10000;
constexpr uint8_t kStockFlag = 0x80;

const TGdiTableEntry* GdiHandleTable() {
#ifdef _WIN64
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr) != 0)
        return nullptr;
    // GdiSharedHandleTable sits at 0xF8 in the 64-bit process environment block.
    const auto* peb = reinterpret_cast<const uint8_t*>(info.PebBaseAddress);
    return *reinterpret_cast<const TGdiTableEntry* const*>(peb + 0xF8);
#else
    // The 32-bit table has another slot layout (and WoW64 keeps the 64-bit one): not read here.
    return nullptr;
#endif
}

// Wine keeps this process's USER objects in slots; slot i answers to handle 0x20 + 2i with no
// generation in its high word, whatever generation its object has. Windows shares its table
// across the session, so the same probe there would see other processes' objects.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kUserSlots = (0xFFEF - kFirstUserHandle + 1) >> 1;

void CountMenusAndIcons(TGuiObjectCount& count) {
    for (unsigned slot = 0; slot < kUserSlots; ++slot) {
        const auto handle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(kFirstUserHandle + (slot << 1)));
        if (IsMenu(static_cast<HMENU>(handle))) {
            ++count.Menus;
            continue;
        }
        ICONINFO info{};
        if (GetIconInfo(static_cast<HICON>(handle), &info)) {
            ++count.Icons;
            // The answer's bitmaps are copies made for the caller.
            const TBitmapHandle colour(info.hbmColor), mask(info.hbmMask);
        }
    }
}

BOOL CALLBACK CountWindow(HWND wnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == GetCurrentProcessId()) ++*reinterpret_cast<int*>(param);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND wnd, LPARAM param) {
    CountWindow(wnd, param);
    EnumChildWindows(wnd, CountWindow, param);  // all descendants, not just the first level
    return TRUE;
}

}  // namespace

bool CountsMenusAndIcons() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

int TGuiObjectCount::Gdi() const { return std::accumulate(ByType.begin(), ByType.end(), 0); }

bool CountGuiObjects(TGuiObjectCount& count) {
    const TGdiTableEntry* table = GdiHandleTable();
    if (!table) return false;
    TGuiObjectCount result;
    // First, so that the bitmaps the icon probe copies are gone before the GDI count.
    if (CountsMenusAndIcons()) CountMenusAndIcons(result);
    const uint16_t pid = static_cast<uint16_t>(GetCurrentProcessId());
    for (unsigned index = 0; index < kTableSlots; ++index) {
        const TGdiTableEntry& entry = table[index];
        if (!entry.Type || (entry.ExtType & kStockFlag)) continue;
        if (entry.ProcessId != 0 && entry.ProcessId != pid) continue;
        const unsigned unique = entry.ExtType | (entry.Generation << 8);
        const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index | (unique << 16)));
        const DWORD type = GetObjectType(handle);
        if (type > 0 && type < result.ByType.size()) ++result.ByType[type];
    }
    EnumWindows(CountWindowAndChildren, reinterpret_cast<LPARAM>(&result.Windows));
    // Message-only windows are not top-level windows of the desktop: walk their parent too.
    for (HWND wnd = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); wnd;
         wnd = FindWindowExW(HWND_MESSAGE, wnd, nullptr, nullptr))
        CountWindowAndChildren(wnd, reinterpret_cast<LPARAM>(&result.Windows));
    count = result;
    return true;
}

}  // namespace tw::test
