#include "framework/Classes.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vur {
namespace {

// Records destruction and notifications into a shared log.
class TLogged : public TComponent {
public:
    TLogged(TComponent* AOwner, std::string Id, std::vector<std::string>& Log)
        : TComponent(AOwner), FId(std::move(Id)), FLog(Log) {}
    ~TLogged() override { FLog.push_back("destroy " + FId); }
    TComponent* Watched = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Watched) {
            Watched = nullptr;
            FLog.push_back(FId + " heard removal");
        }
    }

private:
    std::string FId;
    std::vector<std::string>& FLog;
};

TEST(Component, OwnerDestroysOwnedComponentsLastFirst) {
    std::vector<std::string> Log;
    auto* Root = new TLogged(nullptr, "root", Log);
    new TLogged(Root, "a", Log);
    new TLogged(Root, "b", Log);
    EXPECT_EQ(Root->ComponentCount(), 2);
    delete Root;
    EXPECT_EQ(Log, (std::vector<std::string>{"destroy root", "destroy b", "destroy a"}));
}

TEST(Component, FreeNotificationClearsReferenceAcrossOwners) {
    std::vector<std::string> Log;
    TLogged Holder(nullptr, "holder", Log);
    auto* Target = new TLogged(nullptr, "target", Log);
    Holder.Watched = Target;
    Target->FreeNotification(&Holder);
    delete Target;
    EXPECT_EQ(Holder.Watched, nullptr);
    EXPECT_EQ(Log, (std::vector<std::string>{"destroy target", "holder heard removal"}));
}

TEST(Component, SiblingsHearAboutEachOthersRemoval) {
    std::vector<std::string> Log;
    TLogged Owner(nullptr, "owner", Log);
    auto* Watcher = new TLogged(&Owner, "watcher", Log);
    auto* Other = new TLogged(&Owner, "other", Log);
    Watcher->Watched = Other;
    delete Other;
    EXPECT_EQ(Watcher->Watched, nullptr);
    EXPECT_EQ(Owner.ComponentCount(), 1);
}

TEST(Component, NamesAreUniqueAmongSiblingsAndValidIdentifiers) {
    TComponent Owner(nullptr);
    auto* A = new TComponent(&Owner);
    auto* B = new TComponent(&Owner);
    A->SetName("Chart1");
    EXPECT_EQ(Owner.FindComponent("chart1"), A);
    EXPECT_THROW(B->SetName("CHART1"), EComponentError);
    EXPECT_THROW(B->SetName("1Chart"), EComponentError);
    B->SetName("Series1");
    EXPECT_EQ(B->GetName(), "Series1");
    EXPECT_EQ(B->GetComponentIndex(), 1);
}

TEST(Component, SetComponentIndexMovesWithinTheOwnerAndClamps) {
    TComponent Owner(nullptr);
    auto* A = new TComponent(&Owner);
    auto* B = new TComponent(&Owner);
    auto* C = new TComponent(&Owner);
    C->SetComponentIndex(0);
    EXPECT_EQ(Owner.Components(0), C);
    EXPECT_EQ(Owner.Components(1), A);
    A->SetComponentIndex(99);
    EXPECT_EQ(Owner.Components(2), A);
    EXPECT_EQ(Owner.Components(1), B);
    B->SetComponentIndex(-5);
    EXPECT_EQ(Owner.Components(0), B);
}

TEST(Persistent, AssignBetweenUnrelatedClassesNamesBoth) {
    TComponent A(nullptr);
    TComponent B(nullptr);
    try {
        A.Assign(&B);
        FAIL() << "no exception";
    } catch (const EConvertError& E) {
        EXPECT_STREQ(E.what(), "Cannot assign a TComponent to a TComponent");
    }
}

TEST(Assertion, MessageCarriesTextFileAndLine) {
    const int Line = __LINE__ + 2;
    try {
        VUR_ASSERT(false, "Quantity of data to delete must be less than Count.");
        FAIL() << "no exception";
    } catch (const EAssertionFailed& E) {
        EXPECT_EQ(E.Message(), "Quantity of data to delete must be less than Count. "
                               "(tests/framework/ComponentTest.cpp, line " +
                                   std::to_string(Line) + ")");
    }
}

TEST(Assertion, EmptyMessageShowsTheCondition) {
    EXPECT_THROW(
        {
            try {
                VUR_ASSERT(2 < 1, "");
            } catch (const EAssertionFailed& E) {
                EXPECT_EQ(E.Message().rfind("2 < 1 (", 0), 0u);
                throw;
            }
        },
        EAssertionFailed);
}

} // namespace
} // namespace vur
