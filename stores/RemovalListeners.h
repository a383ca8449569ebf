#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// Those who want to hear that a record of a store is going, told before it is freed (nullptr:
// every record goes). Listening lasts as long as the subscription that listen() hands back, so
// a page or a helper that is gone is never called: it holds the subscription as a member.
template <class T>
class RemovalListeners {
 public:
  using Listener = std::function<void(const T* removed)>;

  class Subscription {
   public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept
        : m_owner(std::exchange(other.m_owner, nullptr)), m_token(other.m_token) {}
    Subscription& operator=(Subscription&& other) noexcept {
      if (this != &other) {
        end();
        m_owner = std::exchange(other.m_owner, nullptr);
        m_token = other.m_token;
      }
      return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { end(); }

   private:
    friend class RemovalListeners;
    Subscription(RemovalListeners* owner, int token) : m_owner(owner), m_token(token) {}
    void end() {
      if (m_owner) m_owner->forget(m_token);
      m_owner = nullptr;
    }

    RemovalListeners* m_owner = nullptr;
    int m_token = 0;
  };

  RemovalListeners() = default;
  // Subscriptions point at their list, so it stays where it is.
  RemovalListeners(const RemovalListeners&) = delete;
  RemovalListeners& operator=(const RemovalListeners&) = delete;

  [[nodiscard]] Subscription listen(Listener listener) {
    m_listeners.emplace_back(++m_last_token, std::move(listener));
    return Subscription(this, m_last_token);
  }

  // By index: a listener may subscribe others while it is told.
  void tell(const T* removed) const {
    for (std::size_t i = 0; i < m_listeners.size(); ++i) m_listeners[i].second(removed);
  }

 private:
  void forget(int token) {
    std::erase_if(m_listeners, [token](const auto& l) { return l.first == token; });
  }

  std::vector<std::pair<int, Listener>> m_listeners;
  int m_last_token = 0;
};
