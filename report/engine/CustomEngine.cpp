#include "report/engine/CustomEngine.h"

#include "report/objects/Report.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpCustomEngine::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpCustomEngine>("TrpCustomEngine", TPersistent::StaticClass())
            .Integer("CurColumn", &TrpCustomEngine::CurColumn, &TrpCustomEngine::SetCurColumn)
            .Integer("CurVColumn", &TrpCustomEngine::CurVColumn, &TrpCustomEngine::SetCurVColumn)
            .Float("CurX", &TrpCustomEngine::CurX, &TrpCustomEngine::SetCurX)
            .Float("CurY", &TrpCustomEngine::CurY, &TrpCustomEngine::SetCurY)
            .Boolean("DoublePass", &TrpCustomEngine::DoublePass, nullptr)
            .Boolean("FinalPass", &TrpCustomEngine::FinalPass, &TrpCustomEngine::SetFinalPass)
            .Float("PageHeight", &TrpCustomEngine::PageHeight, &TrpCustomEngine::SetPageHeight)
            .Float("PageWidth", &TrpCustomEngine::PageWidth, &TrpCustomEngine::SetPageWidth)
            .Float("StartDate", &TrpCustomEngine::StartDate, &TrpCustomEngine::SetStartDate)
            .Float("StartTime", &TrpCustomEngine::StartTime, &TrpCustomEngine::SetStartTime)
            .Integer("TotalPages", &TrpCustomEngine::TotalPages, &TrpCustomEngine::SetTotalPages)
            .Boolean("SecondScriptCall", &TrpCustomEngine::SecondScriptCall, &TrpCustomEngine::SetSecondScriptCall)
            .Build();
    return info;
}

TrpCustomEngine::TrpCustomEngine(TrpReport* report) : report_(report) {}

void TrpCustomEngine::StopReport() { report_->SetTerminated(true); }

bool TrpCustomEngine::DoublePass() const { return report_->EngineOptions().DoublePass; }
