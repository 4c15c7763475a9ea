#include "forms/component.h"

#include <algorithm>

namespace orvanel {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ != nullptr) std::erase(owner_->components_, this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) delete components_.back();  // each leaves the list as it goes
}

}  // namespace orvanel
