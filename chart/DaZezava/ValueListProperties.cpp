// What a value list stores: its name and order always, the date-time flag
// when it departs from the list's default, and the obsolete "Multiplier",
// which is read (and reported when it is not 1) but never written.
#include "chart/ChartClasses.h"
#include "chart/DaZezava/ValueList.h"
#include "framework/Published.h"
#include "framework/Reader.h"

namespace vur {

namespace {
constexpr const char* OrderNames[] = {"loNone", "loAscending", "loDescending"};
constexpr TTypeInfo TypeChartListOrder = EnumTypeInfo("TChartListOrder", OrderNames);
} // namespace

void DeclareValueListProperties() {
    using V = TChartValueList;
    TDeclare<V>("TChartValueList", "TPersistent")
        .Bool("DateTime", &V::GetDateTime, &V::SetDateTime)
        .Stored(&V::IsDateStored)
        .String("Name", &V::GetName, &V::SetName)
        .NoDefault()
        .Enum<TChartListOrder>("Order", TypeChartListOrder, &V::GetOrder, &V::SetOrder)
        .String("ValueSource", &V::GetValueSource, &V::SetValueSource)
        .DefineProperty(
            "Multiplier", [](TReader& R, V& List) { List.ReadMultiplier(R.ReadFloat()); }, nullptr);
}

} // namespace vur
