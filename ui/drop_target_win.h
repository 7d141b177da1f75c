#pragma once
// The main window's OLE drop target: file lists only (CF_HDROP), answered
// with dropEffectFor; each accepted drop raises one event with the
// dropped-paths text.

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "base/com_ptr_win.h"
#include "ui/controls.h"

namespace ui {

class DropTarget final : public IDropTarget {
 public:
  using DropEvent = std::function<void(const std::string& droppedPaths)>;
  static base::ComPtr<DropTarget> create(DropEvent onDrop);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL where, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL where, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL where, DWORD* effect) override;

 private:
  explicit DropTarget(DropEvent onDrop) : onDrop_(std::move(onDrop)) {}
  ~DropTarget() = default;
  void answer(DWORD keys, DWORD* effect) const;

  LONG references_ = 1;
  bool offersFileList_ = false;  // kept from DragEnter for the rest of the drag
  DropEvent onDrop_;
};

// The paths of a CF_HDROP file list, in its order.
std::vector<std::string> droppedFilePaths(HDROP files);

// Registers one window, once, for drops that go to the target.
class DropReceiverWin final : public DropReceiver {
 public:
  explicit DropReceiverWin(DropTarget::DropEvent onDrop) : target_(DropTarget::create(std::move(onDrop))) {}
  bool registerDropWindow(NativeWindow window) override;
  void revoke();  // before the registered window goes

 private:
  base::ComPtr<DropTarget> target_;
  bool used_ = false;
  HWND registered_ = nullptr;
};

}  // namespace ui
