#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <utility>

// Table cases carry a `name`: it names the generated test and is what a failure prints.
namespace {

template <typename Case>
concept NamedCase =
    std::constructible_from<std::string, decltype(std::declval<const Case &>().name)>;

template <NamedCase Case> void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

struct CaseName
{
    template <typename Info> std::string operator()(const Info &info) const
    {
        return std::string(info.param.name);
    }
};

} // namespace
