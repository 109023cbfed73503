// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the program shows or prints, as UTF-8, in one place: the run's prompts, messages
// and report words, and the window's captions. Several prompts and captions end with a blank or
// lack a closing parenthesis; they are kept exactly so.

#include <string>
#include <string_view>

namespace adjustment::texts {

// Route entry.
inline constexpr std::string_view P1 = "请输入待定点的点数 N  : (不包括闭合点在内)";
inline constexpr std::string_view P2 = "请输入起始点的高程 Ha ";
inline constexpr std::string_view P3 = "请输入闭合点的高程 Hb ";
inline constexpr std::string_view P4 = "请输入起始点的点名  :";
inline constexpr std::string_view P5 = "请输入闭合点的点名  :";
inline constexpr std::string_view P6 = "请输入高差 DH  :";

std::string pointNamePrompt(long index);        // "请输入第" + I + " 个待定点的点名  :"
std::string segmentDistancePrompt(long index);  // "请输入第" + I + " 段前后视距离 S  :"
std::string routeSummary(const std::string &n); // "  附合水准路线共有" + N + "个待定点"

// Confirm-or-re-enter dialogue: first confirmation, re-entry, later confirmation.
struct ConfirmTexts
{
    std::string_view c1;
    std::string_view r;
    std::string_view c2;
};

inline constexpr ConfirmTexts ConfirmHa{
        "起始点的高程 Ha 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零(即为:0 ",
        "输入起始点正确的高程 Ha ",
        "这次起始点高程 Ha 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零( 即为:0 )"};
inline constexpr ConfirmTexts ConfirmHb{
        "闭合点的高程 Hb 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零( 即为:0 )",
        "输入闭合点正确的高程 Hb ",
        "这次闭合点的高程 Hb 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零( 即为:0 )"};
inline constexpr ConfirmTexts ConfirmS{
        "确认输入的前后视距离  ?  正确按输入键( 即为:Enter键 ); 错误按零( 即为:0 )",
        "输入正确的前后视距离 S  :",
        "确认前后视距离输入是否正确  ?  正确按输入键( 即为:Enter键 ); 错误按零( 即为:0 ) "};
inline constexpr ConfirmTexts ConfirmDH{
        "确认输入的高差  ? 正确按输入键( 即为:Enter键 );错误按零( 即为:0 )", "输入正确的高差  :",
        "这次高差 DH 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零(即为:0 "};

// Problems with a reply at a number prompt; shown on a line above the prompt asked again.
inline constexpr std::string_view NotANumber = "输入的不是有效的数字，请重新输入。";
inline constexpr std::string_view BadPointCount
        = "待定点的点数应为 0 至 9999 之间的整数，请重新输入。";
inline constexpr std::string_view DistanceNotPositive = "前后视距离应大于零，请重新输入。";
// Asked after an empty reply at a number prompt; zero abandons the run.
inline constexpr std::string_view AbandonQuestion
        = "是否放弃本次计算? 放弃按零(即为:0); 继续输入按输入键(即为:Enter键)";

// Closure and stepwise display.
inline constexpr std::string_view Millimetres = "毫米";
inline constexpr std::string_view StepPrompt = "需要显示待定点的高程，请输入 M 不等于零的任意数";

// Report.
inline constexpr std::string_view ReportFont = "宋体";
inline constexpr std::string_view ReportTitle = "Tarnovel";
inline constexpr std::string_view StartLabel = "起始点";
inline constexpr std::string_view ClosingLabel = "闭合点";
inline constexpr std::string_view StartElevation = " 高程  :   Ha=";
inline constexpr std::string_view ClosingElevation = " 高程  :   Hb=";
inline constexpr std::string_view AfterName = " :";
inline constexpr std::string_view Metres = " 米";
inline constexpr std::string_view ClosureLine = "路线闭合差 : fh=";

// Where the report went when it could not be printed.
inline constexpr std::string_view SavedNoPrinter = "未找到可用的打印机，报告已保存为 PDF 文件：";
inline constexpr std::string_view SavedAfterFailure = "打印失败，报告已保存为 PDF 文件：";
inline constexpr std::string_view NotSavedNoPrinter = "无法打印报告，也无法保存 PDF 文件。";
inline constexpr std::string_view NotSavedAfterFailure = "打印失败，也无法保存 PDF 文件。";
inline constexpr std::string_view SavedNoPrinterXps = "未找到可用的打印机，报告已保存为 XPS 文件：";
inline constexpr std::string_view SavedAfterFailureXps = "打印失败，报告已保存为 XPS 文件：";
inline constexpr std::string_view NotSavedNoPrinterXps = "无法打印报告，也无法保存 XPS 文件。";
inline constexpr std::string_view NotSavedAfterFailureXps = "打印失败，也无法保存 XPS 文件。";
inline constexpr std::string_view SavedNoPrinterText = "未找到可用的打印机，报告已保存为文本文件：";
inline constexpr std::string_view SavedAfterFailureText = "打印失败，报告已保存为文本文件：";
inline constexpr std::string_view NotSavedNoPrinterText = "无法打印报告，也无法保存文本文件。";
inline constexpr std::string_view NotSavedAfterFailureText = "打印失败，也无法保存文本文件。";
inline constexpr std::string_view FolderNotWritable = "无法创建或写入文件夹：";
inline constexpr std::string_view FileNotWritable = "无法写入文件：";
// When every name a report may take in the folder is taken, before the folder's path.
inline constexpr std::string_view NoFreeName = "文件夹中找不到可用的新文件名：";
// When the system names no documents folder.
inline constexpr std::string_view DocumentsFolderNotFound = "找不到用户的文档文件夹。";

// The window Brannock and the prompt and message boxes over it.
inline constexpr std::string_view ProgramName = "Brannock"; // the window's and the boxes' title
inline constexpr std::string_view Ok = "确定";
inline constexpr std::string_view Cancel = "取消";
// Shown in a web page whose tab the browser would not close when the program ended, with a link
// that starts it again.
inline constexpr std::string_view ProgramEnded = "Brannock 已结束。";
inline constexpr std::string_view StartAgain = "重新启动";

// The window's captions, by control. Blanks spread some captions' characters on screen.
inline constexpr std::string_view Command1 = "进行计 算";
inline constexpr std::string_view Command2 = "退出计算";
inline constexpr std::string_view Label1 = "B r a n n o c k";
inline constexpr std::string_view Label2 = "点  名";
inline constexpr std::string_view Label4 = "距离(前后视距和)";
inline constexpr std::string_view Label5 = "高   差 ";
inline constexpr std::string_view Label6 = "( 计 算 结 果 ）"; // closes with a full-width ")"
inline constexpr std::string_view Label7 = "高   程";
inline constexpr std::string_view Label9 = "高差闭合差 ";
inline constexpr std::string_view Label10 = "未知点个数说明";
inline constexpr std::string_view Label11 = "点  名  ";
inline constexpr std::string_view Label12 = " Ha";
inline constexpr std::string_view Label13 = " Hb";
inline constexpr std::string_view Label14 = "起始点高程 ";
inline constexpr std::string_view Label15 = "闭合点高程 ";
inline constexpr std::string_view Label16 = " N$";
inline constexpr std::string_view Label17 = " dh";
inline constexpr std::string_view Label18 = " S";
inline constexpr std::string_view Label19 = " Fh";
inline constexpr std::string_view Label20 = " N$";
inline constexpr std::string_view Label21 = " Hp";

} // namespace adjustment::texts
