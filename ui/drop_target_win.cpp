#include "ui/drop_target_win.h"

#include <shellapi.h>

#include <new>
#include <vector>

#include "base/wide_win.h"
#include "ui/drop_rules.h"

namespace ui {

namespace {

FORMATETC fileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool offersFileList(IDataObject* data) {
  FORMATETC format = fileListFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

}  // namespace

base::ComPtr<DropTarget> DropTarget::create(DropEvent onDrop) {
  base::ComPtr<DropTarget> target;
  *target.out() = new DropTarget(std::move(onDrop));  // starts with the one reference
  return target;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

void DropTarget::answer(DWORD keys, DWORD* effect) const {
  *effect = dropEffectFor(offersFileList_, keys & MK_CONTROL, keys & MK_SHIFT, *effect);
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  offersFileList_ = offersFileList(data);
  answer(keys, effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD keys, POINTL, DWORD* effect) {
  answer(keys, effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  offersFileList_ = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  answer(keys, effect);
  offersFileList_ = false;
  if (*effect == DROPEFFECT_NONE || !data) return S_OK;
  FORMATETC format = fileListFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return S_OK;
  // Nothing may throw back into the drag source's COM call; the drop event
  // itself takes care of its own failures.
  std::string text;
  try {
    text = droppedPathsText(droppedFilePaths(static_cast<HDROP>(medium.hGlobal)));
  } catch (const std::bad_alloc&) {
    ReleaseStgMedium(&medium);
    *effect = DROPEFFECT_NONE;
    return E_OUTOFMEMORY;
  }
  ReleaseStgMedium(&medium);
  if (!text.empty()) onDrop_(text);
  return S_OK;
}

std::vector<std::string> droppedFilePaths(HDROP files) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(files, i, nullptr, 0);
    std::vector<wchar_t> path(length + 1, L'\0');
    DragQueryFileW(files, i, path.data(), length + 1);
    paths.push_back(base::fromWide(std::wstring_view(path.data(), length)));
  }
  return paths;
}

bool DropReceiverWin::registerDropWindow(NativeWindow window) {
  if (used_) return false;
  used_ = true;
  if (RegisterDragDrop(static_cast<HWND>(window), target_.get()) != S_OK) return false;
  registered_ = static_cast<HWND>(window);
  return true;
}

void DropReceiverWin::revoke() {
  if (registered_) RevokeDragDrop(std::exchange(registered_, nullptr));
}

}  // namespace ui
