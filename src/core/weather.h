// The weather: the day's draw, the change after every over, and stoppages
// for bad light and rain.
#pragma once

namespace ovs {

struct Game;

// Weather categories (nWeather / 5); play is possible below bad light.
enum WeatherCategory : int {
    WEATHER_VERY_SUNNY = 0,
    WEATHER_SUNNY = 1,
    WEATHER_FINE = 2,
    WEATHER_PARTLY_CLOUDY = 3,
    WEATHER_CLOUDY = 4,
    WEATHER_OVERCAST = 5,
    WEATHER_VERY_OVERCAST = 6,
    WEATHER_BAD_LIGHT = 7,
    WEATHER_RAIN = 8,
};
inline constexpr int kNoPlayWeather = 35;  // nWeather at and above this stops play

// The conditions text of a weather category 0..8 (clamped).
const char* WeatherText(int category);

// Draw the weather of a new day (start of a Test and of each later day).
void DailyWeather(Game& g);

// One step of weather change: after each over and each four-minute stoppage step.
void WeatherChange(Game& g);

// Play out a stoppage when an over is due and nWeather >= 35. Returns 0 to
// continue the innings, 1 when it ended (declaration or end of the Test).
int WeatherStoppage(Game& g);

}  // namespace ovs
