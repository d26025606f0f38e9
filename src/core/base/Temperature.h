#pragma once

// Kelvin, Celsius and Fahrenheit, in extended precision like the arithmetic that uses
// them; the program holds the current temperature in kelvin, 0 to 6000, as a float.
namespace Temperature {

constexpr long double ZeroCelsius = 273.15L;
constexpr float MaxKelvin = 6000.0f;

constexpr long double celsius(long double kelvin)
{
    return kelvin - ZeroCelsius;
}
constexpr long double fahrenheit(long double kelvin)
{
    return (kelvin - ZeroCelsius) * 1.8L + 32.0L;
}
constexpr long double fromCelsius(long double celsius)
{
    return celsius + ZeroCelsius;
}
constexpr long double fromFahrenheit(long double fahrenheit)
{
    return (fahrenheit - 32.0L) * (5.0L / 9.0L) + ZeroCelsius;
}

enum class State { Solid, Liquid, Gas };

// Solid below the melting point, liquid below the boiling point, gas from there on.
constexpr State stateAt(double kelvin, double meltingPoint, double boilingPoint)
{
    return kelvin < meltingPoint ? State::Solid
        : kelvin < boilingPoint  ? State::Liquid
                                 : State::Gas;
}

}
