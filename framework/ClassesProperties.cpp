// What persistent objects and components store.
#include "framework/Classes.h"
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

namespace vur {

void DeclareClassesProperties() {
    TDeclare<TPersistent>("TPersistent", "");
    TDeclare<TComponent>("TComponent", "TPersistent")
        // The name is the record's own; a property of that name renames.
        .String("Name", &TComponent::GetName, &TComponent::SetName)
        .NotStored()
        .Ordinal<std::intptr_t>("Tag", TypeInt64, &TComponent::GetTag, &TComponent::SetTag)
        .Default(0)
        .DefineProperty(
            "Left", [](TReader& R, TComponent& C) { C.SetDesignLeft(R.ReadInteger()); },
            [](TWriter& W, TComponent& C) { W.WriteInteger(C.GetDesignLeft()); },
            [](TComponent& C) { return C.GetDesignLeft() != 0; })
        .DefineProperty(
            "Top", [](TReader& R, TComponent& C) { C.SetDesignTop(R.ReadInteger()); },
            [](TWriter& W, TComponent& C) { W.WriteInteger(C.GetDesignTop()); },
            [](TComponent& C) { return C.GetDesignTop() != 0; });
}

} // namespace vur
