// Persistent objects and components: the ownership tree every chart object
// and control lives in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TPersistent;
class TComponent;
class TReader;
class TWriter;

using TNotifyEvent = std::function<void(TPersistent* Sender)>;

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;

    // Copies Source's state into this object; raises EConvertError when the
    // two classes do not know each other.
    virtual void Assign(const TPersistent* Source);
    virtual std::string ClassName() const { return "TPersistent"; }

protected:
    virtual void AssignTo(TPersistent* Dest) const;
};

enum TOperation : std::uint8_t { opInsert, opRemove };

enum TComponentStateFlag : std::uint8_t {
    csLoading = 1 << 0,
    csReading = 1 << 1,
    csWriting = 1 << 2,
    csDestroying = 1 << 3,
    csDesigning = 1 << 4,
    csUpdating = 1 << 5,
};
using TComponentState = std::uint8_t;

// A component is owned by the component given to its constructor, which
// destroys it. Other components can ask to be told when it goes
// (FreeNotification); they then receive Notification(it, opRemove).
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* GetOwner() const { return FOwner; }
    const std::string& GetName() const { return FName; }
    // Raises EComponentError for an invalid identifier or a name already used
    // by a sibling.
    virtual void SetName(const std::string& NewName);
    std::intptr_t GetTag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int GetComponentIndex() const;
    // Moves this component to Value in its owner's list (clamped to the list).
    void SetComponentIndex(int Value);
    TComponent* FindComponent(const std::string& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Destroys every owned component, the last one first.
    void DestroyComponents();

    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    TComponentState GetComponentState() const { return FComponentState; }
    bool HasState(TComponentStateFlag Flag) const { return (FComponentState & Flag) != 0; }
    // Marks the component and everything it owns as being destroyed.
    void Destroying();

    // Called once a stream has been read into the component (and everything
    // else read with it): clears csLoading.
    virtual void Loaded();

    // ---- streaming
    // Where a component without a window sat at design time; stored as "Left" and "Top".
    int GetDesignLeft() const { return FDesignLeft; }
    void SetDesignLeft(int Value) { FDesignLeft = Value; }
    int GetDesignTop() const { return FDesignTop; }
    void SetDesignTop(int Value) { FDesignTop = Value; }
    // Whether the component is stored inside another (a control in its
    // parent, a series in its chart) rather than directly in its root.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    // The reader gives a new child its parent this way.
    virtual void SetParentComponent(TComponent*) {}
    // The components stored inside this one, in their order, when Root is written.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);
    // The owner and parent of the children read inside this component
    // (none: the reader's root, and this component).
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return this; }
    // Moves Child to position Order among this component's stored children.
    virtual void SetChildOrder(TComponent*, int) {}
    // Reads this component's properties and children from the reader.
    virtual void ReadState(TReader& Reader);

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    void SetComponentState(TComponentStateFlag Flag, bool On);

private:
    friend class TReader;
    friend class TWriter;
    // Fills (or, with Enable false, clears) the owner's published field of this component's name.
    void SetReference(bool Enable);
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState = 0;
    int FDesignLeft = 0;
    int FDesignTop = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

bool IsValidIdent(const std::string& Ident);
// Names (of components, classes, properties, identifiers) compare without regard to case.
bool SameName(std::string_view A, std::string_view B);

} // namespace vur
