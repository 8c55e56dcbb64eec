// Every text the program's code shows, in each of its languages: one row per text, one
// column per language (Japanese, English). A further language is one more column here
// (and one more set of dialog templates in res/). The Japanese column is the program's
// original face: its bytes stay exactly as they are, since the records, the report tool
// and the tests rely on them. Format strings of one row take the same arguments in the
// same order in every column.
//
// TEXT(name, japanese, english)
#define RESTWARDEN_TEXTS(TEXT)                                                                                  \
    TEXT(AppTitle, "レストワーデン", "RestWarden")                                                                     \
    /* The tray menu, by command. */                                                                            \
    TEXT(MenuStartWork, "開始", "Start work")                                                                     \
    TEXT(MenuStartRest, "休憩", "Take a break")                                                                   \
    TEXT(MenuStop, "停止", "Stop")                                                                                \
    TEXT(MenuPause, "一時停止", "Pause")                                                                            \
    TEXT(MenuPause30, "30分", "30 minutes")                                                                      \
    TEXT(MenuPause60, "1時間", "1 hour")                                                                          \
    TEXT(MenuPause120, "2時間", "2 hours")                                                                        \
    TEXT(MenuSettings, "設定", "Settings...")                                                                     \
    TEXT(MenuWorkStatus, "作業状況", "Today's activity")                                                            \
    TEXT(MenuEvaluation, "通算作業評価", "Overall evaluation")                                                        \
    TEXT(MenuVersion, "バージョン情報", "About RestWarden")                                                            \
    TEXT(MenuExit, "終了", "Exit")                                                                                \
    /* The tray tip. */                                                                                         \
    TEXT(TipPaused, "一時停止中 あと%d分", "Paused: work starts in %d min")                                             \
    TEXT(TipStopped, "停止中です", "Stopped")                                                                        \
    TEXT(TipWorkStart, "作業中です。あと%lld分 [0 / %d分]", "Working: %lld min to go [0 / %d min]")                       \
    TEXT(TipWorkOver, "作業終了です", "Work time is up")                                                              \
    TEXT(TipRestStart, "休憩中。あと%lld分 [0 / %d分]", "On a break: %lld min to go [0 / %d min]")                      \
    TEXT(TipRestOver, "休憩終了です", "The break is over")                                                            \
    TEXT(TipWorking, "作業中です。あと%lld分 [%d / %d分]", "Working: %lld min to go [%d / %d min]")                       \
    TEXT(TipWorkOverrun, "作業終了。%lld分経過です…", "Work time is up: %lld min over")                                   \
    TEXT(TipResting, "休憩中です。あと%lld分 [%d / %d分]", "On a break: %lld min to go [%d / %d min]")                    \
    TEXT(TipRestOverrun, "休憩終了。%lld分経過です…", "The break is over: %lld min ago")                                  \
    /* Balloons. An overrun title must fit 31 bytes with an eleven-character number. */                         \
    TEXT(BalloonWorkEnd, "作業終了時間になりました", "Time for a break")                                                    \
    TEXT(BalloonOverrun, "%lld分作業延長中です。。", "%lld min of overtime")                                              \
    TEXT(BalloonClickForRest, "休憩に入るには、ここをクリックしてください。", "Click here to start your break.")                      \
    TEXT(BalloonRestEnd, "休憩終了です", "The break is over")                                                         \
    TEXT(BalloonClickForWork, "今から作業再開なら、ここをクリックしてください。",                                                       \
         "Ready to get back to work? Click here.")                                                              \
    TEXT(BalloonPauseEnd, "一時停止終了", "The pause is over")                                                        \
    TEXT(BalloonWorkResumed, "作業を再開しました。", "Work has started again.")                                           \
    /* Message boxes. */                                                                                        \
    TEXT(TrayFailure, "通知領域へのアイコンを登録失敗", "Could not put the icon in the notification area")                     \
    TEXT(ErrorCaption, "エラー", "Error")                                                                          \
    TEXT(WorkOutOfRange, "作業時間は0以上、300以下です", "The work time must be 0 to 300 minutes.")                         \
    TEXT(RestOutOfRange, "休憩時間は0以上、300以下です", "The break time must be 0 to 300 minutes.")                        \
    TEXT(AwayOutOfRange, "離席とみなす時間は1以上、60以下です", "The time away must be 1 to 60 minutes.")                       \
    TEXT(LogonFailed, "ログオン時の起動を設定できませんでした。", "Starting at logon could not be set up.")                         \
    /* The settings sheet. */                                                                                   \
    TEXT(SheetCaption, "各種設定", "Settings")                                                                      \
    TEXT(SheetOk, "OK", "OK")                                                                                   \
    TEXT(SheetCancel, "キャンセル", "Cancel")                                                                        \
    TEXT(SheetApply, "適用", "Apply")                                                                                  \
    TEXT(SheetHelp, "ヘルプ", "Help")                                                                             \
    TEXT(EndTimeLabel, "分 - 終了予定時刻 %02d:%02d", "min, ending at %02d:%02d")                                      \
    TEXT(LanguageAuto, "自動", "Automatic")                                                                       \
    TEXT(LanguageJapanese, "日本語", "日本語")                                                                        \
    TEXT(LanguageEnglish, "English", "English")                                                                 \
    TEXT(VersionSubtitle, "レストワーデン", "Work & rest timer")                                                     \
    /* The work status strip: captions, dates, totals. */                                                                \
    TEXT(TodayCaption, "現在までの作業状況", "Today's activity")                                                     \
    TEXT(DayCaption, "%sの作業状況", "Activity on %s")                                                               \
    TEXT(WeekCaption, "%sまでの1週間", "The week to %s")                                                             \
    TEXT(DateWithYear, "%04d/%02d/%02d(%s)", "%04d/%02d/%02d (%s)")                                                  \
    TEXT(DateWithoutYear, "%02d/%02d(%s)", "%02d/%02d %s")                                                           \
    TEXT(Sunday, "日", "Sun")                                                                                        \
    TEXT(Monday, "月", "Mon")                                                                                        \
    TEXT(Tuesday, "火", "Tue")                                                                                       \
    TEXT(Wednesday, "水", "Wed")                                                                                     \
    TEXT(Thursday, "木", "Thu")                                                                                      \
    TEXT(Friday, "金", "Fri")                                                                                        \
    TEXT(Saturday, "土", "Sat")                                                                                      \
    TEXT(HoursMinutes, "%u時間%02u分", "%u h %02u min")                                                              \
    TEXT(NoRecord, "記録なし", "No record")                                                                          \
    TEXT(DayTotals, "作業 %s　休憩 %s", "Work %s, break %s")                                                          \
    TEXT(DayWork, "作業 %s", "Work %s")                                                                              \
    /* The evaluation report. */                                                                                \
    TEXT(VerdictBefore, "あなたは", "Something tells me you are")                                                   \
    TEXT(VerdictAfter, "な気がします", "...just a hunch")                                                             \
    TEXT(TotalScore, "%3d点", "%3d pts")                                                                         \
    TEXT(TotalWork, "通算作業", "Work in all")                                                                      \
    TEXT(TotalRest, "通算休憩", "Breaks in all")                                                                    \
    TEXT(UsedDays, "通算使用頻度", "Days in use")                                                                     \
    TEXT(WholeHours, "%5d時間", "%5d h")                                                                          \
    TEXT(DaysOfDays, "%4d/%4d日", "%d of %d days")                                                               \
    TEXT(DailyWork, "１日作業平均", "Work a day")                                                                     \
    TEXT(DailyRest, "１日休憩平均", "Breaks a day")                                                                   \
    TEXT(TenthHours, "%2d.%1d時間", "%2d.%1d h")                                                                  \
    TEXT(RestPerWork, "休憩/作業比率", "Break per hour")                                                              \
    TEXT(PerHour, "%3d分/60分", "%3d min/60 min")                                                                 \
    TEXT(WorkOverrunRatio, "延/予比（作）", "Work overrun")                                                           \
    TEXT(RestOverrunRatio, "延/予比（休）", "Break overrun")                                                          \
    TEXT(SetAverage, "１セット平均", "Work + break")                                                                  \
    TEXT(Minutes, "%3d分", "%3d min")                                                                            \
    TEXT(ScoreSeriousness, "真面目さ（%3d）", "Diligence (%3d)")                                                      \
    TEXT(ScoreConcentration, "集中力", "Focus")                                                                    \
    TEXT(ScoreEfficiency, "効率", "Balance")                                                                      \
    TEXT(ScoreEffort, "がんばり度", "Drive")                                                                         \
    TEXT(ScoreAwareness, "作業効率意識", "Habit")                                                                    \
    TEXT(ScoreInBrackets, "（%3d）", "(%3d)")                                                                     \
    TEXT(MinuteChartCaption, "↑作業時間の傾向", "Above: when in the day you work")                                          \
    /* The verdicts: the one for a short history, then rows of three by history length. */                      \
    TEXT(VerdictShortData, "データがちょっと少ないっす。。", "still a mystery: give me more days")                             \
    TEXT(Verdict0a, "良い感じ^^", "doing just fine ^^")                                                             \
    TEXT(Verdict0b, "いい仕事してますね～^^", "a fine craftsman ^^")                                                      \
    TEXT(Verdict0c, "見事！作者に連絡でプレゼント進呈^^", "a legend: claim your prize ^^")                                      \
    TEXT(Verdict1a, "色々と良くはなさそうです。。", "not quite there yet..")                                                  \
    TEXT(Verdict1b, "いつも疲れている人", "tired, as always")                                                            \
    TEXT(Verdict1c, "あえて悪い評価を狙う人", "aiming for a low score")                                                    \
    TEXT(Verdict2a, "５分前行動が出来る人", "five minutes early")                                                         \
    TEXT(Verdict2b, "予め集合場所の下見をする人", "the one who scouts the venue")                                            \
    TEXT(Verdict2c, "高校三年間皆勤賞だった人", "never missed a day of school")                                             \
    TEXT(Verdict3a, "まじめなんだけどぉ…", "earnest, but...")                                                            \
    TEXT(Verdict3b, "トケースレーブ", "a slave to the clock")                                                          \
    TEXT(Verdict3c, "作業と休憩のバランスを・・・", "in need of work-break balance...")                                       \
    TEXT(Verdict4a, "気分やさん", "a creature of moods")                                                             \
    TEXT(Verdict4b, "計画？なにそれ？", "a stranger to plans")                                                          \
    TEXT(Verdict4c, "計画？あるよ。無計画という計画がね！", "one whose plan is no plan!")                                         \
    TEXT(Verdict5a, "比較的疲れを知らない人", "rarely tired")                                                              \
    TEXT(Verdict5b, "夕方からエンジンがかかり始める人", "warming up by sundown")                                                \
    TEXT(Verdict5c, "徹夜が嫌いではない感じ", "no stranger to all-nighters")                                               \
    TEXT(Verdict6a, "張り切りさん", "full of beans")                                                                  \
    TEXT(Verdict6b, "ハッスル星の住人", "from planet Hustle")                                                           \
    TEXT(Verdict6c, "企業戦士の鏡", "a true office warrior")                                                          \
    TEXT(Verdict7a, "休憩も仕事ですという人", "convinced breaks are work too")                                             \
    TEXT(Verdict7b, "欧米Style！", "on Mediterranean time!")                                                       \
    TEXT(Verdict7c, "かろーし してたまるかっ！", "never going to die at your desk!")                                        \
    TEXT(Verdict8a, "いい人", "a good egg")                                                                        \
    TEXT(Verdict8b, "人は良い", "nice, at least")                                                                   \
    TEXT(Verdict8c, "作業時間を見直してほしい", "due to rethink your hours")                                                \
    TEXT(Verdict9a, "よさげ^^", "looking good ^^")                                                                 \
    TEXT(Verdict9b, "もう少し、このソフトを使うと。。", "one to use me a bit more..")                                           \
    TEXT(Verdict9c, "もし、ソフトの起動頻度が上がると…", "nearly there: just start me more..")                               \
    TEXT(Verdict10a, "とりあえずソフトを使っただけ", "just giving me a try")                                                  \
    TEXT(Verdict10b, "このソフト使えない…と思う人", "sure I'm no use to you...")                                             \
    TEXT(Verdict10c, "そういえばこんなソフト入れてたなぁ", "forgetting you ever installed me")                                   \
    TEXT(Verdict11a, "こまめさん", "a busy bee")                                                                     \
    TEXT(Verdict11b, "まめ な ひと", "a bean counter")                                                               \
    TEXT(Verdict11c, "豆 が 主食", "living on beans")                                                               \
    TEXT(Verdict12a, "頑張っちゃう人", "one who overdoes it")                                                          \
    TEXT(Verdict12b, "仕事が夢に出てくる人", "working even in your dreams")                                               \
    TEXT(Verdict12c, "もっと・かろーし", "working yourself to the bone")                                                \
    TEXT(Verdict13a, "やや甘えたがりな性格", "a bit of a softie")                                                         \
    TEXT(Verdict13b, "誘惑に負ける自身があるヒト", "sure to give in to temptation")                                          \
    TEXT(Verdict13c, "木靴をいつも履く人", "always in wooden clogs")                                                     \
    TEXT(Verdict14a, "標準的", "pretty standard")                                                                  \
    TEXT(Verdict14b, "ごくごく標準的", "as standard as they come")                                                     \
    TEXT(Verdict14c, "さらに、時間を守れるとGOOD", "GOOD, and better still on time")                                       \
    TEXT(Verdict15a, "期限が迫ると頑張る人", "at your best on deadline")                                                  \
    TEXT(Verdict15b, "あなたしか見えないタイプ", "the one-track-mind type")                                                 \
    TEXT(Verdict15c, "視野５度", "blinkered to five degrees")                                                       \
    TEXT(Verdict16a, "小さく刻んでパーセーブ タイプ", "the save-early-save-often type")                                       \
    TEXT(Verdict16b, "子供時代落ち着きがなかった人", "a fidgety child once")                                                  \
    TEXT(Verdict16c, "マイウェイ", "doing it your way")
