// Today's minute-by-minute record and the two record files.
#pragma once

class Master;

class Log {
public:
    explicit Log(Master* master);
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    Master* master;

    void minuteTick();
    void saveTemp();
};
