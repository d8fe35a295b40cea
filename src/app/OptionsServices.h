#pragma once
// The page commands' view of the superlearning options, which exist only while someone needs
// them.

#include "app/CommandServices.h"

#include <functional>

namespace qor {

class TSuperOptions;

class OptionsServices : public OptionsService {
public:
    // `ensure` makes the options when they do not exist and gives them.
    explicit OptionsServices(std::function<TSuperOptions&()> ensure) : m_ensure(std::move(ensure)) {}

    void EnsureCreated() override { m_ensure(); }
    void LoadStyleSettings(int queryStyle) override;
    int DisplayKind() const override;

private:
    std::function<TSuperOptions&()> m_ensure;
};

} // namespace qor
