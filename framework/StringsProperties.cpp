// What string lists store: their lines, as the custom property "Strings".
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Strings.h"
#include "framework/Writer.h"

namespace vur {

void DeclareStringsProperties() {
    TDeclare<TStrings>("TStrings", "TPersistent")
        .DefineProperty(
            "Strings",
            [](TReader& R, TStrings& S) {
                R.ReadListBegin();
                S.BeginUpdate();
                try {
                    S.Clear();
                    while (!R.EndOfList()) S.Add(R.ReadString());
                } catch (...) {
                    S.EndUpdate();
                    throw;
                }
                S.EndUpdate();
                R.ReadListEnd();
            },
            [](TWriter& W, TStrings& S) {
                W.WriteListBegin();
                for (int Index = 0; Index < S.Count(); ++Index) W.WriteString(S.Get(Index));
                W.WriteListEnd();
            },
            [](TStrings& S) { return S.Count() > 0; });
    TDeclare<TStringList>("TStringList", "TStrings");
}

} // namespace vur
