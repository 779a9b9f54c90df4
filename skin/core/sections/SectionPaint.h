#pragma once
// A skin section composed into a rectangle of a 32-bit bitmap: its colour,
// its transparency over the background behind it, a texture and a gradient
// mixed in by percentages, four corner images and its border mask, normal
// or hot. The cache tells what lies behind: the painted bitmap's point
// (x, y) lies at (x + OffsetX + point.X, y + OffsetY + point.Y) in its Bitmap.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <string>

class TBitmap;
class TSkinManager;
struct TSkinContent;

// The custom-colour argument that means none.
constexpr std::uint32_t kNoCustomColor = KeyColorValue;

// The background layers only; a manager of none means the default manager.
void PaintSectionBackground(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache,
                            std::uint32_t customColor, int hotTextureIndex, int textureIndex, TSkinManager* manager,
                            TBitmap& bitmap, TPoint point, const TRect& rect, int state);
// The same over a skin's records, for callers that hold them without a manager.
void PaintSectionBackground(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                            const TSkParentCache& cache, std::uint32_t customColor, int hotTextureIndex,
                            int textureIndex, TBitmap& bitmap, TPoint point, const TRect& rect, int state);
// Background, corner images and border mask; nothing when the rectangle
// leaves the bitmap. The border mask always shows the parent in its corners.
void PaintSection(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache, int textureIndex,
                  int hotTextureIndex, TSkinManager* manager, TBitmap& bitmap, TPoint point, const TRect& rect,
                  int state, bool cornerFill);
void PaintSection(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                  const TSkParentCache& cache, int textureIndex, int hotTextureIndex, TBitmap& bitmap, TPoint point,
                  const TRect& rect, int state);
// Through a temporary bitmap of the rectangle's size, copied to the context.
void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache,
                      TSkinManager* manager, platform::HDC dc, TPoint point, const TRect& rect, int state,
                      bool cornerFill);
// The section by name, else by the fallback name, over the whole bitmap;
// with a context the bitmap first takes its content at `sourcePoint` as the
// background. Returns the section index (-1 and nothing painted when neither exists).
int PaintSectionByName(TBitmap& bitmap, const std::string& name, const std::string& fallbackName, platform::HDC dc,
                       std::uint32_t fillColor, TPoint sourcePoint, TSkinManager* manager, int state);
// A simpler background (the given texture only), then the given border mask.
void PaintSectionAndMask(int sectionIndex, int borderMaskIndex, int textureIndex, TSkinManager* manager,
                         TBitmap& bitmap, TPoint point, const TRect& rect, int state, bool cornerFill,
                         const TSkParentCache& cache, const std::string& sectionName, int hotTextureIndex);
