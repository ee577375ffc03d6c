// SPDX-License-Identifier: GPL-3.0-or-later
// A random user for the editor: from a seed, it clicks, drags and types on whatever window is
// in front (the main window, its palettes, a menu, a dialog), accelerators included, and
// answers dialogs with Escape or Return so none of them stalls the run. A watchdog thread ends
// the process when the user-interface thread has processed no event for too long.
#pragma once

#include <QObject>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

class QWidget;

class Monkey : public QObject {
public:
    Monkey(unsigned seed, std::chrono::milliseconds hangLimit);
    ~Monkey() override;

    // Starts acting, one action every few milliseconds, from the next event loop on.
    void Start();
    void Stop();
    long long Actions() const { return m_actions; }

private:
    void Act();
    void Answer(QWidget* dialog);
    void Click(QWidget* window);
    void Type(QWidget* window);
    QWidget* Front();
    QWidget* AnyVisibleChild(QWidget* window);
    int Random(int below) { return int(m_random() % unsigned(below)); }
    void Watch();

    std::mt19937 m_random;
    bool m_running = false;
    long long m_actions = 0;
    int m_sameModalFor = 0;
    QWidget* m_lastModal = nullptr;

    std::chrono::milliseconds m_hangLimit;
    std::atomic<long long> m_lastEventMs { 0 };
    std::atomic<bool> m_watching { true };
    std::thread m_watchdog;
};
