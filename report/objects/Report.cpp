#include "report/objects/Report.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpReport::StaticClass() {
    static const TClassInfo info = TPublished<TrpReport>("TrpReport", TrpComponent::StaticClass()).Build();
    return info;
}

TrpReport::TrpReport(TComponent* owner) : TrpComponent(owner) {
    errors_.SetSorted(true);
    errors_.SetDuplicates(TDuplicates::dupIgnore);
}

Variant TrpReport::Calc(const std::string& expression) {
    if (Evaluator) return Evaluator(expression);
    errors_.Add("Нет вычислителя выражений отчёта: " + expression);
    return Variant::Null();
}
