#include "framework/Classes.h"

#include "framework/Exceptions.h"
#include "framework/Published.h"
#include "framework/Reader.h"

#include <algorithm>
#include <cctype>

namespace vur {

void TPersistent::Assign(const TPersistent* Source) {
    if (Source == nullptr) throw EConvertError("Cannot assign a nil to a " + ClassName());
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " +
                        (Dest != nullptr ? Dest->ClassName() : std::string("nil")));
}

bool IsValidIdent(const std::string& Ident) {
    if (Ident.empty()) return false;
    const auto Alpha = [](unsigned char C) { return std::isalpha(C) != 0 || C == '_'; };
    if (!Alpha(static_cast<unsigned char>(Ident[0]))) return false;
    return std::all_of(Ident.begin() + 1, Ident.end(), [&](char C) {
        return Alpha(static_cast<unsigned char>(C)) || std::isdigit(static_cast<unsigned char>(C)) != 0;
    });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Tell everyone who asked; each answer may remove entries, so pop as we go.
    while (!FFreeNotifies.empty()) {
        TComponent* Other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        Other->RemoveNotification(this);
        Other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::GetComponentIndex() const {
    if (FOwner == nullptr) return -1;
    const auto& List = FOwner->FComponents;
    const auto It = std::find(List.begin(), List.end(), this);
    return It == List.end() ? -1 : static_cast<int>(It - List.begin());
}

void TComponent::SetComponentIndex(int Value) {
    if (FOwner == nullptr) return;
    auto& List = FOwner->FComponents;
    const int Current = GetComponentIndex();
    if (Current < 0) return;
    Value = std::clamp(Value, 0, static_cast<int>(List.size()) - 1);
    if (Value == Current) return;
    List.erase(List.begin() + Current);
    List.insert(List.begin() + Value, this);
}

bool SameName(std::string_view A, std::string_view B) {
    // Names are identifiers: ASCII letters fold, nothing else does.
    const auto Fold = [](char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - ('a' - 'A')) : C; };
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(), [&](char X, char Y) { return Fold(X) == Fold(Y); });
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* C : FComponents)
        if (SameName(C->FName, AName)) return C;
    return nullptr;
}

void TComponent::SetName(const std::string& NewName) {
    if (FName == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("''" + NewName + "'' is not a valid component name");
    if (FOwner != nullptr && !NewName.empty()) {
        TComponent* Existing = FOwner->FindComponent(NewName);
        if (Existing != nullptr && Existing != this)
            throw EComponentError("A component named " + NewName + " already exists");
    }
    SetReference(false);
    FName = NewName;
    SetReference(true);
}

void TComponent::SetReference(bool Enable) {
    if (FOwner == nullptr || FName.empty()) return;
    const TClassInfo* OwnerClass = ClassInfoOf(*FOwner);
    const TFieldInfo* Field = OwnerClass != nullptr ? OwnerClass->FindField(FName) : nullptr;
    if (Field == nullptr) return;
    if (Enable)
        Field->Set(*FOwner, this);
    else if (Field->Get(*FOwner) == this)
        Field->Set(*FOwner, nullptr);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::ReadState(TReader& Reader) { Reader.ReadData(*this); }

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
    if (!AComponent->FName.empty()) {
        TComponent* Existing = FindComponent(AComponent->FName);
        if (Existing != nullptr)
            throw EComponentError("A component named " + AComponent->FName + " already exists");
    }
    Insert(AComponent);
    AComponent->SetReference(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
    const auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (It != FComponents.end()) FComponents.erase(It);
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* Last = FComponents.back();
        Last->Destroying();
        RemoveComponent(Last);
        delete Last;
    }
}

void TComponent::Destroying() {
    if (HasState(csDestroying)) return;
    FComponentState |= csDestroying;
    for (TComponent* C : FComponents) C->Destroying();
}

void TComponent::Loaded() { FComponentState &= static_cast<TComponentState>(~csLoading); }

void TComponent::SetComponentState(TComponentStateFlag Flag, bool On) {
    if (On)
        FComponentState |= Flag;
    else
        FComponentState &= static_cast<TComponentState>(~Flag);
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (AComponent == nullptr || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    RemoveNotification(AComponent);
    if (AComponent != nullptr) AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    const auto It = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (It != FFreeNotifies.end()) FFreeNotifies.erase(It);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent != nullptr) RemoveFreeNotification(AComponent);
    // Owned components hear about each other, as the design's references between siblings need.
    for (std::size_t I = 0; I < FComponents.size(); ++I) FComponents[I]->Notification(AComponent, Operation);
}

} // namespace vur
