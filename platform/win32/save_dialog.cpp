#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "forms/dialogs.h"
#include "forms/form.h"
#include "platform/win32/system_function.h"
#include "platform/win32/utf16.h"

namespace orvanel {
namespace {

// "Name|*.a;*.b|Other|*.c" as the dialog's list: each text ends in a NUL,
// the list in another.
std::wstring FilterList(const std::string& filter) {
  std::wstring list = Utf16(filter);
  std::replace(list.begin(), list.end(), L'|', L'\0');
  list.append(2, L'\0');
  return list;
}

DWORD Flags(unsigned options) {
  DWORD flags = OFN_EXPLORER;
  if ((options & ofOverwritePrompt) != 0) flags |= OFN_OVERWRITEPROMPT;
  if ((options & ofHideReadOnly) != 0) flags |= OFN_HIDEREADONLY;
  if ((options & ofEnableSizing) != 0) flags |= OFN_ENABLESIZING;
  return flags;
}

}  // namespace

bool TSaveDialog::Execute() {
  const std::wstring title = Utf16(Title);
  const std::wstring filter = FilterList(Filter);
  const std::wstring extension = Utf16(DefaultExt.starts_with('.') ? DefaultExt.substr(1) : DefaultExt);
  // MAX_PATH characters with the terminator: the dialog gives at most 259.
  wchar_t file[MAX_PATH] = {};
  const std::wstring offered = Utf16(FileName);
  if (offered.size() < MAX_PATH) offered.copy(file, offered.size());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(Form().Handle());
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = Flags(Options);
  // A dialog that cannot be shown is as good as cancelled.
  static const auto get_save_file_name = SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (get_save_file_name == nullptr || !get_save_file_name(&dialog)) return false;
  FileName = Utf8(file);
  return true;
}

}  // namespace orvanel
