#pragma once
// How hard a new password of an encrypted diary is to guess, as the strength
// meter shows it: zxcvbn's estimate of the guesses an attacker needs, in
// five steps by the guesses' order of magnitude (log10 of the guesses is
// zxcvbn's entropy in bits times 0.301).

#include <QCoreApplication>
#include <QString>

class CPasswordStrength
{
    Q_DECLARE_TR_FUNCTIONS(CPasswordStrength)

public:
    enum class Level
    {
        VeryWeak,  // fewer than 10^3 guesses
        Weak,      // fewer than 10^6
        Fair,      // fewer than 10^8
        Strong,    // fewer than 10^10
        VeryStrong // more
    };

    // log10 of the guesses zxcvbn estimates for the password.
    static double GuessesLog10(const QString& password);
    static Level Rate(const QString& password);
    static Level LevelOf(double guessesLog10);
    // "Very weak" .. "Very strong".
    static QString Text(Level level);
};
