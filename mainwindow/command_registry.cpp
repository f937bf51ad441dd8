#include "mainwindow/command_registry.h"

namespace crv {

void CommandRegistry::Add(const std::string& name, CommandHandler handler) {
    entries_[name].handler = std::move(handler);
}

void CommandRegistry::Set_Rule(const std::string& name, CommandRule rule) { entries_[name].rule = std::move(rule); }

const CommandRegistry::Entry* CommandRegistry::Find(std::string_view name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

bool CommandRegistry::Has_Handler(std::string_view name) const {
    const Entry* e = Find(name);
    return e && e->handler;
}

bool CommandRegistry::Allows(std::string_view name, int display_mode) const {
    const Entry* e = Find(name);
    if (!e) return true;
    if (display_mode < 0 || display_mode > 6 || !(e->rule.modes & Mode_Bit(display_mode))) return false;
    return !e->rule.also || e->rule.also();
}

bool CommandRegistry::Runs_During_Listing(std::string_view name) const {
    const Entry* e = Find(name);
    return e && e->rule.during_listing;
}

const CommandHandler* CommandRegistry::Handler(std::string_view name) const {
    const Entry* e = Find(name);
    return e && e->handler ? &e->handler : nullptr;
}

std::vector<std::string> CommandRegistry::Names() const {
    std::vector<std::string> out;
    for (const auto& [name, e] : entries_)
        if (e.handler) out.push_back(name);
    return out;
}

}  // namespace crv
