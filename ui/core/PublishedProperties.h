#pragma once
// Declaring a class's published properties: getters and setters are member
// functions, data members or callables; ordinal values may be integers,
// enumerations or TSet values.
//
//   const TClassInfo& TFoo::StaticClass() {
//       static const TClassInfo info = TPublished<TFoo>("TFoo", TComponent::StaticClass())
//           .Integer("Width", &TFoo::Width, &TFoo::SetWidth, 10)
//           .Enumeration("Style", StyleInfo(), &TFoo::Style, &TFoo::SetStyle, 0)
//           .Object("Font", &TFont::StaticClass, &TFoo::Font, &TFoo::SetFont)
//           .Event("OnClick", &TFoo::OnClick, &TFoo::OnClick)
//           .Variant("Value", &TFoo::Value, &TFoo::SetValue)
//           .Build();
//       return info;
//   }

#include "ui/core/Collection.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>

namespace published_detail {

template <class T>
std::int64_t ToOrdinal(const T& value) {
    if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) return static_cast<std::int64_t>(value);
    else return static_cast<std::int64_t>(value.Mask());
}

template <class T>
T FromOrdinal(std::int64_t value) {
    if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) return static_cast<T>(value);
    else return T::FromMask(static_cast<std::uint32_t>(value));
}

template <class S>
struct SetterArgument;
template <class K, class T>
struct SetterArgument<void (K::*)(T)> {
    using type = std::remove_cvref_t<T>;
};

// The handler as the event's own std::function type F.
template <class F>
F HandlerOf(const TMethod& method) {
    if (!method.Assigned()) return F();
    if (const F* handler = method.Target<F>()) return *handler;
    throw EPropertyConvertError("Invalid property value");
}

template <class C, class G>
decltype(auto) Get(const G& get, const TObject& o) {
    return std::invoke(get, static_cast<const C&>(o));
}

// Calls a setter with the value converted to what it takes; `Convert` maps
// the stored form to the setter's own type.
template <class C, class S, class V, class Convert>
void Set(const S& set, TObject& o, const V& value, Convert convert) {
    C& c = static_cast<C&>(o);
    if constexpr (std::is_member_object_pointer_v<S>) {
        using T = std::remove_cvref_t<decltype(c.*set)>;
        c.*set = convert.template operator()<T>(value);
    } else if constexpr (std::is_member_function_pointer_v<S>) {
        using T = typename SetterArgument<S>::type;
        (c.*set)(convert.template operator()<T>(value));
    } else {
        set(c, value);
    }
}

}  // namespace published_detail

template <class C>
class TPublished {
public:
    TPublished(std::string name, const TClassInfo& parent) : info_(std::move(name), &parent) {
        if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>) {
            info_.SetConstructor([](TObject* owner) -> TPersistent* { return new C(dynamic_cast<TComponent*>(owner)); });
        } else if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TCollection*>) {
            info_.SetConstructor([](TObject* owner) -> TPersistent* { return new C(dynamic_cast<TCollection*>(owner)); });
        } else if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>) {
            info_.SetConstructor([](TObject*) -> TPersistent* { return new C(); });
        }
    }

    template <class G, class S>
    TPublished& Integer(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), TTypeKind::tkInteger, nullptr, get, set, def);
    }
    template <class G, class S>
    TPublished& Int64(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), TTypeKind::tkInt64, nullptr, get, set, def);
    }
    template <class G, class S>
    TPublished& Char(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), TTypeKind::tkChar, nullptr, get, set, def);
    }
    template <class G, class S>
    TPublished& Enumeration(std::string name, const TEnumInfo& type, G get, S set,
                            std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), TTypeKind::tkEnumeration, &type, get, set, def);
    }
    template <class G, class S>
    TPublished& Boolean(std::string name, G get, S set, std::optional<bool> def = std::nullopt) {
        std::optional<std::int64_t> ordinal;
        if (def) ordinal = *def ? 1 : 0;
        return Ordinal(std::move(name), TTypeKind::tkEnumeration, &BooleanInfo(), get, set, ordinal);
    }
    template <class G, class S>
    TPublished& Set(std::string name, const TEnumInfo& elements, G get, S set,
                    std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), TTypeKind::tkSet, &elements, get, set, def);
    }

    template <class G, class S>
    TPublished& Float(std::string name, G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = TTypeKind::tkFloat;
        p.GetFloat = [get](const TObject& o) { return static_cast<double>(published_detail::Get<C>(get, o)); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetFloat = [set](TObject& o, double v) {
                published_detail::Set<C>(set, o, v, []<class T>(double x) { return static_cast<T>(x); });
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    TPublished& String(std::string name, G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = TTypeKind::tkString;
        p.GetStr = [get](const TObject& o) { return std::string(published_detail::Get<C>(get, o)); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetStr = [set](TObject& o, const std::string& v) {
                published_detail::Set<C>(set, o, v, []<class T>(const std::string& x) { return T(x); });
            };
        return Add(std::move(p));
    }

    // A sub-object that the instance owns (written in place, `set` may be
    // nullptr or copy with Assign) or a reference to a component. `get` takes
    // the instance as changeable: the reader fills the part it answers.
    template <class G, class S>
    TPublished& Object(std::string name, const TClassInfo& (*type)(), G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = TTypeKind::tkClass;
        p.PropClass = type;
        p.GetObject = [get](TObject& o) -> TObject* { return std::invoke(get, static_cast<C&>(o)); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetObject = [set](TObject& o, TObject* v) {
                published_detail::Set<C>(set, o, v, []<class T>(TObject* x) { return dynamic_cast<T>(x); });
            };
        return Add(std::move(p));
    }

    // An event: `get` answers the std::function the instance holds (a data
    // member serves as both `get` and `set`).
    template <class G, class S>
    TPublished& Event(std::string name, G get, S set) {
        using Handler = std::remove_cvref_t<decltype(std::invoke(get, std::declval<const C&>()))>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = TTypeKind::tkMethod;
        p.MethodType = &typeid(Handler);
        p.GetMethod = [get](const TObject& o) { return TMethod(Handler(published_detail::Get<C>(get, o))); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetMethod = [set](TObject& o, const TMethod& v) {
                published_detail::Set<C>(set, o, v, []<class T>(const TMethod& x) {
                    return published_detail::HandlerOf<T>(x);
                });
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    TPublished& Variant(std::string name, G get, S set) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = TTypeKind::tkVariant;
        p.GetVariant = [get](const TObject& o) { return ::Variant(published_detail::Get<C>(get, o)); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetVariant = [set](TObject& o, const ::Variant& v) {
                published_detail::Set<C>(set, o, v, []<class T>(const ::Variant& x) { return T(x); });
            };
        return Add(std::move(p));
    }

    // Stored only while the predicate holds for the instance.
    template <class P>
    TPublished& Stored(P predicate) {
        last_->StoredIf = [predicate](const TObject& o) { return std::invoke(predicate, static_cast<const C&>(o)); };
        return *this;
    }

    TClassInfo Build() { return std::move(info_); }

private:
    template <class G, class S>
    TPublished& Ordinal(std::string name, TTypeKind kind, const TEnumInfo* type, G get, S set,
                        std::optional<std::int64_t> def) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        p.EnumType = type;
        p.Default = def;
        p.GetOrd = [get](const TObject& o) {
            return published_detail::ToOrdinal(published_detail::Get<C>(get, o));
        };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetOrd = [set](TObject& o, std::int64_t v) {
                published_detail::Set<C>(set, o, v, []<class T>(std::int64_t x) {
                    return published_detail::FromOrdinal<T>(x);
                });
            };
        return Add(std::move(p));
    }

    TPublished& Add(TPropInfo p) {
        last_ = &info_.AddProperty(std::move(p));
        return *this;
    }

    TClassInfo info_;
    TPropInfo* last_ = nullptr;
};
