// The drop target, fed a hand-built file list.

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "base/wide_win.h"
#include "ui/drop_target_win.h"

namespace {

// Global memory holding a DROPFILES list of wide paths.
HGLOBAL fileList(const std::vector<std::string>& paths) {
  std::wstring names;
  for (const std::string& path : paths) names += base::toWide(path) + L'\0';
  names += L'\0';
  const SIZE_T size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

// Offers CF_HDROP only, or nothing at all.
class FileListData final : public IDataObject {
 public:
  explicit FileListData(std::vector<std::string> paths, bool offer = true) : paths_(std::move(paths)), offer_(offer) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = fileList(paths_);
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override {
    const bool files = f->cfFormat == CF_HDROP && f->dwAspect == DVASPECT_CONTENT && f->lindex == -1 &&
                       (f->tymed & TYMED_HGLOBAL);
    return offer_ && files ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  std::vector<std::string> paths_;
  bool offer_;
};

constexpr DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

struct Drop {
  std::vector<std::string> events;
  base::ComPtr<ui::DropTarget> target =
      ui::DropTarget::create([this](const std::string& text) { events.push_back(text); });
};

DWORD enter(ui::DropTarget& target, IDataObject& data, DWORD keys, DWORD allowed) {
  DWORD effect = allowed;
  target.DragEnter(&data, keys, POINTL{}, &effect);
  return effect;
}

TEST(DropTarget, AnswersEachDragStepFromTheKeysAndTheOffer) {
  Drop drop;
  FileListData files({"C:\\a.dll"});
  FileListData text({}, false);
  EXPECT_EQ(enter(*drop.target.get(), files, 0, all), DROPEFFECT_COPY);
  EXPECT_EQ(enter(*drop.target.get(), files, MK_CONTROL, DROPEFFECT_MOVE), DROPEFFECT_NONE);
  EXPECT_EQ(enter(*drop.target.get(), files, MK_SHIFT, all), DROPEFFECT_MOVE);
  EXPECT_EQ(enter(*drop.target.get(), files, MK_SHIFT | MK_CONTROL, all), DROPEFFECT_NONE);

  DWORD effect = DROPEFFECT_LINK;
  drop.target->DragOver(0, POINTL{}, &effect);  // the file list is remembered from DragEnter
  EXPECT_EQ(effect, DROPEFFECT_LINK);

  EXPECT_EQ(enter(*drop.target.get(), text, 0, all), DROPEFFECT_NONE);
  effect = all;
  drop.target->DragOver(0, POINTL{}, &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  drop.target->Drop(&text, 0, POINTL{}, &effect);
  EXPECT_TRUE(drop.events.empty());
}

TEST(DropTarget, ADropRaisesOneEventWithThePathsText) {
  struct Case {
    std::vector<std::string> paths;
    DWORD keys;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"C:\\图标\\a.dll"}, 0, {"C:\\图标\\a.dll"}},
      {{"C:\\a.dll", "D:\\文件\\b.ico"}, MK_CONTROL, {"C:\\a.dll\r\nD:\\文件\\b.ico\r\n"}},
      {{"C:\\a.dll"}, MK_CONTROL | MK_SHIFT, {}},  // no effect: nothing dropped
  };
  for (const Case& c : cases) {
    Drop drop;
    FileListData data(c.paths);
    DWORD effect = enter(*drop.target.get(), data, c.keys, all);
    drop.target->Drop(&data, c.keys, POINTL{}, &effect);
    EXPECT_EQ(drop.events, c.expected);
  }
}

}  // namespace
