// The binary "Data" stream in which a series keeps its points in form data.

#include "chart/series/ChartSeries.h"

#include "chart/core/ChartExceptions.h"

#include <algorithm>
#include <cstring>

namespace {

enum : std::uint8_t { HasXValues = 1, HasColors = 2, HasLabels = 4, HasMarkPositions = 8 };
constexpr int MarkPositionSize = 34;

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
    void Byte(std::uint8_t b) { out_.push_back(b); }
    void Int32(std::int32_t v) {
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
    void Double(double d) {
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        for (int i = 0; i < 8; ++i) out_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    void Bytes(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }

private:
    std::vector<std::uint8_t>& out_;
};

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& in) : in_(in) {}
    void Need(std::size_t n) const {
        if (in_.size() - at_ < n) throw ChartException("Series data ends early");
    }
    std::uint8_t Byte() {
        Need(1);
        return in_[at_++];
    }
    std::int32_t Int32() {
        Need(4);
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in_[at_++]) << (8 * i);
        return static_cast<std::int32_t>(v);
    }
    double Double() {
        Need(8);
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(in_[at_++]) << (8 * i);
        double d;
        std::memcpy(&d, &bits, 8);
        return d;
    }
    std::string Bytes(std::size_t n) {
        Need(n);
        std::string s(in_.begin() + at_, in_.begin() + at_ + n);
        at_ += n;
        return s;
    }

private:
    const std::vector<std::uint8_t>& in_;
    std::size_t at_ = 0;
};

void WriteMarkPosition(Writer& w, const TSeriesMarkPosition& p) {
    w.Int32(p.ArrowStart.X);
    w.Int32(p.ArrowStart.Y);
    w.Byte(p.ArrowAtPoint ? 1 : 0);
    w.Int32(p.ArrowEnd.X);
    w.Int32(p.ArrowEnd.Y);
    w.Byte(p.IsCustom ? 1 : 0);
    w.Int32(p.BoxHeight);
    w.Int32(p.BoxTopLeft.X);
    w.Int32(p.BoxTopLeft.Y);
    w.Int32(p.BoxWidth);
}

TSeriesMarkPosition ReadMarkPosition(Reader& r) {
    TSeriesMarkPosition p;
    p.ArrowStart.X = r.Int32();
    p.ArrowStart.Y = r.Int32();
    p.ArrowAtPoint = r.Byte() != 0;
    p.ArrowEnd.X = r.Int32();
    p.ArrowEnd.Y = r.Int32();
    p.IsCustom = r.Byte() != 0;
    p.BoxHeight = r.Int32();
    p.BoxTopLeft.X = r.Int32();
    p.BoxTopLeft.Y = r.Int32();
    p.BoxWidth = r.Int32();
    return p;
}

}  // namespace

TSeriesDataFlags TChartSeries::DataFlags() const {
    TSeriesDataFlags flags;
    const int count = Count();
    if (count == 0) return flags;
    const int inspected = std::min(10000, count - 1) + 1;
    if (usesNotMandatoryValues_) {
        const TChartValueList& x = *notMandatory_;
        bool plainIndexes = x.FirstValue() == 0 && x.LastValue() == count - 1;
        for (int i = 0; plainIndexes && i < inspected; ++i) plainIndexes = x[i] == i;
        flags.XValues = !plainIndexes;
    }
    for (int i = 0; i < inspected && !flags.Colors; ++i) {
        const TColor c = PointColorStored(i);
        flags.Colors = c != clDefault && c != SeriesColor();
    }
    const int labelsInspected = std::min(100, count - 1) + 1;
    for (int i = 0; i < labelsInspected && i < labels_.Count() && !flags.Labels; ++i)
        flags.Labels = !labels_.GetLabel(i).empty();
    flags.MarkPositions = marks_.Positions().ExistCustom();
    return flags;
}

std::vector<std::uint8_t> TChartSeries::WriteData() const {
    const int count = Count();
    const TSeriesDataFlags f = DataFlags();
    const std::uint8_t flags = (f.XValues ? HasXValues : 0) | (f.Colors ? HasColors : 0) | (f.Labels ? HasLabels : 0) |
                               (f.MarkPositions ? HasMarkPositions : 0);

    std::vector<std::uint8_t> out;
    Writer w(out);
    w.Byte(flags);
    w.Int32(count);
    for (int i = 0; i < count; ++i) {
        if (flags & HasXValues) w.Double((*notMandatory_)[i]);
        w.Double((*mandatory_)[i]);
        if (flags & HasColors) w.Int32(PointColorStored(i));
        if (flags & HasLabels) {
            const std::string label = PointLabel(i);
            const std::size_t length = label.size() % 256;
            w.Byte(static_cast<std::uint8_t>(length));
            w.Bytes(label.substr(0, length));
        }
        for (int k = 2; k < valueLists_.Count(); ++k) w.Double((*valueLists_[k])[i]);
        if (flags & HasMarkPositions) {
            // a point without a stored place writes an empty one
            const TSeriesMarkPosition* p = marks_.Positions().Get(i);
            WriteMarkPosition(w, p ? *p : TSeriesMarkPosition{});
        }
    }
    return out;
}

void TChartSeries::ReadData(const std::vector<std::uint8_t>& data) {
    // Read the whole stream first, so a damaged one leaves the points as they were.
    struct Point {
        double x, y;
        TColor color;
        std::string label;
        std::vector<double> further;
    };
    Reader r(data);
    const std::uint8_t flags = r.Byte();
    const std::int32_t count = r.Int32();
    if (count < 0) throw ChartException("Series data holds a negative point count");
    const int furtherLists = valueLists_.Count() - 2;
    // the smallest record tells whether the stream can hold that many points
    const std::size_t smallest = 8 + ((flags & HasXValues) ? 8 : 0) + ((flags & HasColors) ? 4 : 0) +
                                 ((flags & HasLabels) ? 1 : 0) + 8 * static_cast<std::size_t>(furtherLists) +
                                 ((flags & HasMarkPositions) ? MarkPositionSize : 0);
    r.Need(smallest * static_cast<std::size_t>(count));
    std::vector<Point> points;
    TSeriesMarksPositions positions;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        Point p;
        p.x = (flags & HasXValues) ? r.Double() : i;
        p.y = r.Double();
        p.color = (flags & HasColors) ? r.Int32() : clDefault;
        if (flags & HasLabels) p.label = r.Bytes(r.Byte());
        for (int k = 0; k < furtherLists; ++k) p.further.push_back(r.Double());
        if (flags & HasMarkPositions) positions.Append(ReadMarkPosition(r));
        points.push_back(std::move(p));
    }

    Clear();
    BeginUpdate();
    struct EndAtExit {
        TChartSeries* series;
        ~EndAtExit() { series->EndUpdate(); }
    } end{this};
    for (const Point& p : points) {
        for (int k = 0; k < furtherLists; ++k) valueLists_[k + 2]->SetPendingValue(p.further[k]);
        AddPointXY(p.x, p.y, p.label, p.color);
    }
    marks_.Positions() = std::move(positions);
    hasOwnData_ = true;
}
