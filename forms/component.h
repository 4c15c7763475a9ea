// What a form is made of: every component belongs to an owner that destroys
// it, and every event names the object that raised it.
#pragma once

#include <functional>
#include <vector>

namespace orvanel {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TObject {
 public:
  // Joins `owner`'s components, if there is an owner.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

 protected:
  // Destroys the owned components, the latest first. A form calls it before
  // its own window goes, so that no control outlives the window it lies on.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};

}  // namespace orvanel
