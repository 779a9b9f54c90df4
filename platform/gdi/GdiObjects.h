#pragma once
// Drawing objects (pens, brushes, bitmaps, regions, fonts, device contexts)
// live in their own numbered table: DeleteObject frees them and CloseHandle
// does not, as the system keeps the two kinds apart.
//
// Other areas add object kinds by deriving from GdiObject; a device context
// keeps what is selected into it alive, so deleting a selected object only
// retires its handle.

#include "platform/gdi/GdiTypes.h"

#include <functional>
#include <memory>

namespace platform {

class DeviceContext;

// Which slot of a device context SelectObject puts an object into.
enum class SelectionSlot { None, Pen, Brush, Font, Bitmap, Region, Palette };

class GdiObject {
public:
    virtual ~GdiObject() = default;
    virtual DWORD ObjectType() const = 0;
    virtual SelectionSlot Slot() const { return SelectionSlot::None; }
    // GetObject: copies the object's description into buffer (when not null)
    // and answers the bytes written or needed; 0 when it has none.
    virtual int Describe(int size, void* buffer) const;

    // Objects the system hands out for good (the system colour brushes):
    // DeleteObject answers success and leaves them alone.
    bool Permanent() const { return permanent_; }
    void MakePermanent() { permanent_ = true; }

private:
    bool permanent_ = false;
};

// Takes ownership; never answers null.
HGDIOBJ RegisterGdiObject(std::shared_ptr<GdiObject> object);

// The object behind a handle (stock objects included), or null.
std::shared_ptr<GdiObject> LookupGdiObject(HGDIOBJ handle);

template <class T>
std::shared_ptr<T> LookupGdiObjectAs(HGDIOBJ handle) {
    return std::dynamic_pointer_cast<T>(LookupGdiObject(handle));
}

// Removes the handle from the table without regard to its kind (DeleteDC and
// the window system's ReleaseDC use it); false when it was not there.
bool UnregisterGdiObject(HGDIOBJ handle);

// Stock object numbers.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int DEFAULT_PALETTE = 15;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;
constexpr int DC_BRUSH = 18;
constexpr int DC_PEN = 19;
constexpr int STOCK_LAST = 19;
// Not handed out by GetStockObject: what a new memory DC has selected.
constexpr int DEFAULT_BITMAP_STOCK = 21;
constexpr int kStockCount = 22;

// The area that owns an object kind makes its stock objects: the factory runs
// once, on the first lookup of that stock handle. The stock handles themselves
// are fixed, so a device context can name its default font before the font
// code has made it.
using StockObjectFactory = std::function<std::shared_ptr<GdiObject>()>;
void RegisterStockObjectFactory(int index, StockObjectFactory factory);
bool IsStockObject(HGDIOBJ handle);

HGDIOBJ GetStockObject(int index);
// Any stock handle, the internal ones included; null when it cannot be made.
HGDIOBJ StockHandle(int index);
BOOL DeleteObject(HGDIOBJ handle);
int GetObject(HGDIOBJ handle, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ handle);

}  // namespace platform
