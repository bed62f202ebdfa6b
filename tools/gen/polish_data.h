// Word lists from which the generated congregation is drawn (UTF-8).
#pragma once

#include <span>
#include <string_view>

namespace vorlant::gen {

struct Surname {
    std::string_view male;
    std::string_view female;
};

std::span<const std::string_view> MaleFirstNames();
std::span<const std::string_view> FemaleFirstNames();
std::span<const Surname> Surnames();
std::span<const std::string_view> Streets();
std::span<const std::string_view> Towns();
std::span<const std::string_view> MeetingPlaces();
std::span<const std::string_view> MeetingTimes();
std::span<const std::string_view> RemarkTexts();

}  // namespace vorlant::gen
