#include "ui/win32/PagePane.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "base/Trim.h"
#include "base/resource.h"
#include "model/Proyecto.h"
#include "model/Settings.h"
#include "ui/EditorActions.h"
#include "ui/PaginaForm.h"
#include "ui/ProjectEditor.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/ThumbnailWorker.h"
#include "win32/Application.h"

namespace {

const int32_t kSplitterWidth = 5;
const int32_t kDefaultWidth = 180;  // at 96 DPI, as the thumbnails' size
const int32_t kThumbnailWidth = 48;
const int32_t kThumbnailHeight = 36;
const int32_t kMinWidth = 80;
const int32_t kMaxWidth = 480;

int32_t rememberedWidth(UINT dpi) {
    uint32_t width = 0;
    if (!Settings::current().readNumber(setting::kAnchoPanelPaginas, width))
        return scaledForDpi(kDefaultWidth, dpi);
    return std::clamp(static_cast<int32_t>(std::min<uint32_t>(width, kMaxWidth)), kMinWidth, kMaxWidth);
}

// A 24-bit bitmap of `picture` for the image list.
HBITMAP bitmapOf(const RgbPicture& picture) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const size_t stride = (static_cast<size_t>(picture.width()) * 3 + 3) & ~size_t{3};
    for (int32_t y = 0; y < picture.height(); ++y) {
        uint8_t* row = static_cast<uint8_t*>(bits) + stride * static_cast<size_t>(y);
        for (int32_t x = 0; x < picture.width(); ++x) {
            const uint8_t* rgb = picture.at(x, y);
            row[x * 3] = rgb[2];
            row[x * 3 + 1] = rgb[1];
            row[x * 3 + 2] = rgb[0];
        }
    }
    return bitmap;
}

void copyText(const std::string& text, char* to, int room) {
    if (!to || room <= 0)
        return;
    const size_t length = std::min(text.size(), static_cast<size_t>(room - 1));
    std::copy_n(text.data(), length, to);
    to[length] = '\0';
}

}  // namespace

PagePane::PagePane(HWND parent, ProjectEditor& editor, std::function<void(const EditorActions&)> apply)
    : parent_(parent), editor_(editor), apply_(std::move(apply)), width_(rememberedWidth(windowDpi(parent))) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_OWNERDATA | LVS_EDITLABELS | LVS_SHAREIMAGELISTS,
                            0, 0, width_, 100, parent, reinterpret_cast<HMENU>(IDC_PANEL_PAGINAS), instanceHandle,
                            nullptr);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = width_;
    SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    useDpi(windowDpi(parent));
    show(editor_.pagePane());
}

void PagePane::useDpi(UINT dpi) {
    const int32_t width = scaledForDpi(kThumbnailWidth, dpi), height = scaledForDpi(kThumbnailHeight, dpi);
    if (images_ && width == thumbnailWidth_ && height == thumbnailHeight_)
        return;
    thumbnailWidth_ = width;
    thumbnailHeight_ = height;
    startThumbnails();
}

// A new image list and worker for the thumbnails' size. The pane owns its
// image lists (the list shares them): it destroys the one it replaces.
void PagePane::startThumbnails() {
    worker_.reset(new ThumbnailWorker(parent_, kThumbnailMade, thumbnailWidth_, thumbnailHeight_));
    thumbnails_.clear();
    asked_.clear();
    HIMAGELIST old = images_;
    images_ = ImageList_Create(thumbnailWidth_, thumbnailHeight_, ILC_COLOR24, 16, 64);
    // Image 0 stands in until a page's thumbnail is made.
    HBITMAP waiting = bitmapOf(RgbPicture(thumbnailWidth_, thumbnailHeight_, 0xF0, 0xF0, 0xF0));
    ImageList_Add(images_, waiting, nullptr);
    DeleteObject(waiting);
    ListView_SetImageList(list_, images_, LVSIL_SMALL);
    if (old)
        ImageList_Destroy(old);
    InvalidateRect(list_, nullptr, TRUE);
}

// The worker stops first; thumbnails it posted meanwhile are let go here.
PagePane::~PagePane() {
    worker_.reset();
    MSG message;
    while (PeekMessageA(&message, parent_, kThumbnailMade, kThumbnailMade, PM_REMOVE))
        delete reinterpret_cast<MadeThumbnail*>(message.lParam);
    if (images_)
        ImageList_Destroy(images_);
}

void PagePane::show(bool on) {
    shown_ = on;
    ShowWindow(list_, on ? SW_SHOWNA : SW_HIDE);
    CheckMenuItem(GetMenu(parent_), ID_VER_PANEL_PAGINAS, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

int32_t PagePane::room() const {
    return shown_ ? width_ + kSplitterWidth : 0;
}

void PagePane::place(int32_t top, int32_t height) {
    top_ = top;
    height_ = std::max<int32_t>(height, 0);
    SetWindowPos(list_, nullptr, 0, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    fitColumn();
}

// The one column fills the list beside its scroll bar, which comes and
// goes with the number of pages: no sideways scroll bar.
void PagePane::fitColumn() {
    RECT client = {};
    GetClientRect(list_, &client);
    ListView_SetColumnWidth(list_, 0, client.right);
}

void PagePane::refresh() {
    const ProjectDocument& document = editor_.document();
    const RemoteTrial* trial = document.trial();
    rows_.reset(new PagePaneRows(document.project(), trial ? trial->shownIndex() : document.shownIndex()));
    ListView_SetItemCountEx(list_, static_cast<int>(rows_->size()), LVSICF_NOSCROLL);
    fitColumn();
    markShownPage();
    InvalidateRect(list_, nullptr, FALSE);
}

void PagePane::forgetThumbnails() {
    worker_->forget();
    thumbnails_.clear();
    asked_.clear();
    ImageList_SetImageCount(images_, 1);
}

void PagePane::markShownPage() {
    marking_ = true;
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (size_t i = 0; i < rows_->size(); ++i)
        if (rows_->row(i).shown) {
            const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
            ListView_SetItemState(list_, static_cast<int>(i), state, state);
            ListView_EnsureVisible(list_, static_cast<int>(i), FALSE);
        }
    marking_ = false;
}

// Asked for as the list draws a row: the rows in view are made first. A
// picture file written over with one of another size is made again.
int PagePane::thumbnailIndex(size_t index) {
    const Pagina& page = *editor_.document().project().paginas[index];
    const std::string& path = page.pictureFile.empty() ? page.imagen : page.pictureFile;
    const std::string key =
        path + "\n" + std::to_string(page.pictureWidth()) + "x" + std::to_string(page.pictureHeight());
    const auto made = thumbnails_.find(key);
    if (made != thumbnails_.end())
        return made->second;
    if (asked_.insert(key).second)
        worker_->ask(key, path);
    return 0;
}

void PagePane::thumbnailMade(MadeThumbnail* made) {
    std::unique_ptr<MadeThumbnail> owned(made);
    if (!asked_.count(made->key) || made->picture.width() != thumbnailWidth_ ||
        made->picture.height() != thumbnailHeight_)
        return;  // asked for a project shown no more, or for another screen
    HBITMAP bitmap = bitmapOf(made->picture);
    if (!bitmap)
        return;
    const int image = ImageList_Add(images_, bitmap, nullptr);
    DeleteObject(bitmap);
    if (image >= 0)
        thumbnails_[made->key] = image;
    InvalidateRect(list_, nullptr, FALSE);
}

void PagePane::getDisplayInfo(NMLVDISPINFOA* info) {
    LVITEMA& item = info->item;
    if (!rows_ || item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows_->size())
        return;
    const size_t index = static_cast<size_t>(item.iItem);
    if (item.mask & LVIF_TEXT) {
        text_ = rows_->label(index);
        copyText(text_, item.pszText, item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = thumbnailIndex(index);
}

// The box holds the name alone, without the row's marks.
bool PagePane::beginRename(const NMLVDISPINFOA* info) {
    if (editor_.document().trial() || !rows_ || info->item.iItem < 0 ||
        static_cast<size_t>(info->item.iItem) >= rows_->size())
        return false;
    SetWindowTextA(ListView_GetEditControl(list_), rows_->row(static_cast<size_t>(info->item.iItem)).nombre.c_str());
    return true;
}

void PagePane::endRename(const NMLVDISPINFOA* info) {
    if (!info->item.pszText || !rows_ || info->item.iItem < 0 ||
        static_cast<size_t>(info->item.iItem) >= rows_->size())
        return;
    const size_t index = static_cast<size_t>(info->item.iItem);
    const std::string nombre = trim(info->item.pszText);
    std::vector<std::string> others = editor_.document().project().pageNames();
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(index));
    const FormCheck check = PaginaForm::checkName(nombre, others, 0);
    if (!check.accepted) {
        MessageBoxA(parent_, check.message.c_str(), "Quenda", MB_OK | MB_ICONWARNING);
        return;
    }
    apply_(editor_.renamePage(index, nombre));
}

bool PagePane::notify(const NMHDR* notice, LRESULT& result) {
    if (notice->hwndFrom != list_)
        return false;
    result = 0;
    switch (notice->code) {
    case LVN_GETDISPINFOA:
        getDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(notice)));
        return true;
    case LVN_ODCACHEHINT: {
        // The rows about to be drawn: their thumbnails are asked for first.
        const auto* hint = reinterpret_cast<const NMLVCACHEHINT*>(notice);
        for (int i = hint->iTo; rows_ && i >= hint->iFrom && i >= 0; --i)
            if (static_cast<size_t>(i) < rows_->size())
                thumbnailIndex(static_cast<size_t>(i));
        return true;
    }
    case LVN_GETINFOTIPA: {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPA*>(const_cast<NMHDR*>(notice));
        if (rows_ && tip->iItem >= 0 && static_cast<size_t>(tip->iItem) < rows_->size())
            copyText(rows_->tooltip(static_cast<size_t>(tip->iItem)), tip->pszText, tip->cchTextMax);
        return true;
    }
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(notice);
        const bool selected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
        if (!marking_ && selected && change->iItem >= 0)
            apply_(editor_.pickPage(change->iItem));
        return true;
    }
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN*>(notice)->wVKey == VK_F2) {
            const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
            if (focused >= 0 && !editor_.document().trial())
                ListView_EditLabel(list_, focused);
        }
        return true;
    case LVN_BEGINLABELEDITA:
        result = beginRename(reinterpret_cast<const NMLVDISPINFOA*>(notice)) ? FALSE : TRUE;
        return true;
    case LVN_ENDLABELEDITA:
        endRename(reinterpret_cast<const NMLVDISPINFOA*>(notice));
        return true;  // FALSE: the rows are made anew from the project
    case LVN_BEGINDRAG:
        if (!editor_.document().trial()) {
            draggedRow_ = reinterpret_cast<const NMLISTVIEW*>(notice)->iItem;
            SetCapture(parent_);
        }
        return true;
    default:
        return false;
    }
}

int PagePane::rowAt(int parentX, int parentY) const {
    POINT point = {parentX, parentY};
    MapWindowPoints(parent_, list_, &point, 1);
    LVHITTESTINFO hit = {};
    hit.pt = point;
    const int row = ListView_HitTest(list_, &hit);
    if (row >= 0)
        return row;
    // Above the rows the first place, below them the last.
    const int count = rows_ ? static_cast<int>(rows_->size()) : 0;
    return point.y < 0 ? 0 : count - 1;
}

void PagePane::dropPage(int x, int y) {
    const int from = draggedRow_;
    draggedRow_ = -1;
    ReleaseCapture();
    const int to = rowAt(x, y);
    if (from >= 0 && to >= 0 && from != to)
        apply_(editor_.movePage(static_cast<size_t>(from), static_cast<size_t>(to)));
}

bool PagePane::onSplitter(int x, int y) const {
    return shown_ && x >= width_ && x < width_ + kSplitterWidth && y >= top_ && y < top_ + height_;
}

bool PagePane::mouse(UINT message, int x, int y) {
    if (draggedRow_ >= 0) {
        // The row it would take is lit while the button is held.
        ListView_SetItemState(list_, -1, 0, LVIS_DROPHILITED);
        if (message == WM_LBUTTONUP)
            dropPage(x, y);
        else if (message == WM_MOUSEMOVE)
            ListView_SetItemState(list_, rowAt(x, y), LVIS_DROPHILITED, LVIS_DROPHILITED);
        return true;
    }
    if (message == WM_LBUTTONDOWN && onSplitter(x, y)) {
        sizing_ = true;
        SetCapture(parent_);
        return true;
    }
    if (!sizing_)
        return false;
    if (message == WM_MOUSEMOVE) {
        width_ = std::clamp(x, kMinWidth, kMaxWidth);
        place(top_, height_);
    } else if (message == WM_LBUTTONUP) {
        sizing_ = false;
        ReleaseCapture();
        Settings::current().writeNumber(setting::kAnchoPanelPaginas, static_cast<uint32_t>(width_));
    }
    return true;
}

bool PagePane::setCursor() {
    POINT point = {};
    GetCursorPos(&point);
    ScreenToClient(parent_, &point);
    if (!sizing_ && !onSplitter(point.x, point.y))
        return false;
    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    return true;
}
