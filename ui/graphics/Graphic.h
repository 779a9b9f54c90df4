#pragma once
// Pictures of any format: the abstract graphic that canvases draw and
// streams load and save. Form data keeps a graphic as its defined property
// "Data".

#include "ui/core/Events.h"
#include "ui/core/Persistent.h"
#include "ui/core/Types.h"

#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
    DECLARE_CLASS_INFO
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // Drawn with its transparent colour left out.
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);

    // Raise EInvalidGraphic for data of another format or damaged data.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    bool Modified = false;
    TNotifyEvent OnChange;

    void DefineProperties(TFiler& filer) override;

protected:
    friend class TCanvas;
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // Sets Modified and tells OnChange.
    void Changed();

private:
    bool transparent_ = false;
};
