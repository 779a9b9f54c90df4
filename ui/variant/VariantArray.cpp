#include "ui/variant/Variant.h"

namespace {

// More elements than a script could fill; refused before memory runs out.
constexpr std::size_t kMaxArrayElements = std::size_t{1} << 24;

[[noreturn]] void BadIndex() { throw EVariantBadIndexError("Индекс массива вне его границ"); }

}  // namespace

Variant VarArrayCreate(const std::vector<int>& bounds, TVarType elementType) {
    if (bounds.empty() || bounds.size() % 2 != 0)
        throw EVariantArrayCreateError("Границы массива задаются парами: нижняя и верхняя");
    auto array = std::make_unique<TVariantArray>();
    array->elementType = elementType;
    std::size_t count = 1;
    for (std::size_t i = 0; i < bounds.size(); i += 2) {
        const long long length = static_cast<long long>(bounds[i + 1]) - bounds[i] + 1;
        if (length < 0) throw EVariantArrayCreateError("Верхняя граница массива меньше нижней");
        array->lowBounds.push_back(bounds[i]);
        array->highBounds.push_back(bounds[i + 1]);
        count *= static_cast<std::size_t>(length);
        if (count > kMaxArrayElements) throw EVariantArrayCreateError("Слишком большой массив");
    }
    const Variant initial = elementType == varVariant ? Variant() : Variant().AsType(elementType);
    array->elements.assign(count, initial);
    Variant result;
    result.type_ = varArray;
    result.array_ = std::move(array);
    return result;
}

Variant VarArrayOf(const std::vector<Variant>& values) {
    Variant result = VarArrayCreate({0, static_cast<int>(values.size()) - 1}, varVariant);
    for (std::size_t i = 0; i < values.size(); ++i) result.PutElement({static_cast<int>(i)}, values[i]);
    return result;
}

Variant VarArrayOf(std::initializer_list<Variant> values) {
    return VarArrayOf(std::vector<Variant>(values));
}

const TVariantArray& Variant::Array() const {
    if (!array_) throw EVariantInvalidOpError("Значение типа (" + VarTypeName(type_) + ") не является массивом");
    return *array_;
}

int Variant::ArrayDimCount() const {
    return array_ ? static_cast<int>(array_->lowBounds.size()) : 0;
}

int Variant::ArrayLowBound(int dim) const {
    const TVariantArray& array = Array();
    if (dim < 1 || dim > static_cast<int>(array.lowBounds.size())) BadIndex();
    return array.lowBounds[dim - 1];
}

int Variant::ArrayHighBound(int dim) const {
    const TVariantArray& array = Array();
    if (dim < 1 || dim > static_cast<int>(array.highBounds.size())) BadIndex();
    return array.highBounds[dim - 1];
}

std::size_t Variant::ElementOffset(const std::vector<int>& indexes) const {
    const TVariantArray& array = Array();
    if (indexes.size() != array.lowBounds.size()) BadIndex();
    std::size_t offset = 0;
    for (std::size_t d = 0; d < indexes.size(); ++d) {
        if (indexes[d] < array.lowBounds[d] || indexes[d] > array.highBounds[d]) BadIndex();
        const auto length = static_cast<std::size_t>(array.highBounds[d] - array.lowBounds[d] + 1);
        offset = offset * length + static_cast<std::size_t>(indexes[d] - array.lowBounds[d]);
    }
    return offset;
}

const Variant& Variant::GetElement(const std::vector<int>& indexes) const {
    return array_->elements[ElementOffset(indexes)];
}

void Variant::PutElement(const std::vector<int>& indexes, const Variant& value) {
    const std::size_t offset = ElementOffset(indexes);
    array_->elements[offset] = array_->elementType == varVariant ? value : value.AsType(array_->elementType);
}
