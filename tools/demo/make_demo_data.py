#!/usr/bin/env python3
"""Writes the demo books (UTF-8 CSV for loadbooks): a trading company's
account master with bank, customer and supplier sub-accounts, brought-forward
balances, and a year of postings with interim and year-end closing entries.
Deterministic: the same files on every run.

Each taxable posting is split as the books of a tax-inclusive entry keep it:
the base account carries the amount excluding tax (amount_nuki) and including
it (amount_komi); the tax account carries the tax in amount_nuki only. So the
tax-exclusive and tax-inclusive totals of every account are both right."""
import csv
import os
import random
import sys

out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
rnd = random.Random(20230401)

# code, name, kind (0 balance sheet, 1 profit and loss, 2 heading), side (1 debit, 2 credit), omit1
ACCOUNTS = [
    (1110000, "現金", 0, 1, 0),
    (1120000, "小口現金", 0, 1, 0),
    (1190000, "仮払金", 0, 1, 1),
    (1310000, "普通預金", 0, 1, 0),
    (1310001, "さくら野銀行　本店", 0, 1, 0),
    (1310002, "青葉信用金庫　駅前支店", 0, 1, 0),
    (1310003, "表町銀行　本店", 0, 1, 0),
    (1320000, "当座預金", 0, 1, 0),
    (1350000, "定期預金", 0, 1, 0),
    (1410000, "受取手形", 0, 1, 0),
    (1420000, "売掛金", 0, 1, 0),
    (1420001, "株式会社アルファ商店", 0, 1, 0),
    (1420002, "ベータ工業株式会社", 0, 1, 0),
    (1420003, "有限会社ガンマ", 0, 1, 0),
    (1420004, "デルタ物産株式会社", 0, 1, 0),
    (1510000, "商品", 0, 1, 0),
    (1610000, "前払費用", 0, 1, 0),
    (1620000, "仮払消費税等", 0, 1, 0),
    (1710000, "建物", 0, 1, 0),
    (1720000, "車両運搬具", 0, 1, 0),
    (1730000, "工具器具備品", 0, 1, 0),
    (1790000, "減価償却累計額", 0, 2, 0),
    (1990000, "資産の部合計", 2, 1, 0),
    (2110000, "支払手形", 0, 2, 0),
    (2120000, "買掛金", 0, 2, 0),
    (2120001, "株式会社イプシロン", 0, 2, 0),
    (2120002, "ゼータ商事株式会社", 0, 2, 0),
    (2120003, "株式会社エータ食品", 0, 2, 0),
    (2130000, "短期借入金", 0, 2, 0),
    (2140000, "未払金", 0, 2, 0),
    (2150000, "未払費用", 0, 2, 0),
    (2160000, "預り金", 0, 2, 0),
    (2170000, "仮受消費税等", 0, 2, 0),
    (2180000, "未払法人税等", 0, 2, 0),
    (2190000, "未払消費税等", 0, 2, 0),
    (3110000, "資本金", 0, 2, 0),
    (3210000, "繰越利益剰余金", 0, 2, 0),
    (4110000, "売上高", 1, 2, 0),
    (5110000, "仕入高", 1, 1, 0),
    (6110000, "役員報酬", 1, 1, 0),
    (6120000, "給料手当", 1, 1, 0),
    (6130000, "法定福利費", 1, 1, 0),
    (6140000, "旅費交通費", 1, 1, 0),
    (6150000, "通信費", 1, 1, 0),
    (6160000, "水道光熱費", 1, 1, 0),
    (6170000, "地代家賃", 1, 1, 0),
    (6180000, "消耗品費", 1, 1, 0),
    (6190000, "減価償却費", 1, 1, 0),
    (6200000, "支払手数料", 1, 1, 0),
    (6210000, "租税公課", 1, 1, 0),
    (6220000, "雑費", 1, 1, 0),
    (7110000, "受取利息", 1, 2, 0),
    (7210000, "支払利息", 1, 1, 0),
    (8110000, "法人税、住民税及び事業税", 1, 1, 0),
]

BANKS = [1310001, 1310002, 1310003]
CUSTOMERS = [1420001, 1420002, 1420003, 1420004]
SUPPLIERS = [2120001, 2120002, 2120003]
TAXABLE_EXPENSES = [6140000, 6150000, 6160000, 6180000, 6200000, 6220000]

OPENING = {
    1110000: 352_400, 1120000: 30_000, 1310001: 4_815_220, 1310002: 1_204_000, 1310003: 600_000,
    1320000: 1_500_000, 1350000: 3_000_000, 1410000: 440_000,
    1420001: 1_320_000, 1420002: 968_000, 1420003: 275_000, 1420004: 1_595_000,
    1510000: 2_480_000, 1610000: 120_000, 1710000: 8_000_000, 1720000: 2_400_000, 1730000: 640_000,
    1790000: -3_980_000,
    2110000: -330_000, 2120001: -770_000, 2120002: -1_210_000, 2120003: -396_000,
    2130000: -5_000_000, 2140000: -185_000, 2150000: -240_000, 2160000: -96_500,
    2180000: -420_000, 2190000: -610_000, 3110000: -10_000_000,
}


def month_days(y, m):
    return [31, 29 if y % 4 == 0 else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][m - 1]


journal = []
billed = {}  # per code: amounts billed or bought in the current month, tax included


def post(date, debit, credit, nuki, komi, period=""):
    journal.append((date, period, debit, credit, nuki, komi))


def taxed(date, debit, credit, base, tax_side_debit, period=""):
    tax = base // 10
    billed[debit] = billed.get(debit, 0) + base + tax
    billed[credit] = billed.get(credit, 0) + base + tax
    post(date, debit, credit, base, base + tax, period)
    if tax_side_debit:  # purchases and expenses: input tax
        post(date, 1620000, credit, tax, 0, period)
    else:  # sales: output tax
        post(date, debit, 2170000, tax, 0, period)


def main():
    opening = dict(OPENING)
    opening[3210000] = -sum(opening.values())  # retained earnings balance the sheet
    # Last month's open amounts, settled at this month's end; April settles
    # the brought-forward balances.
    due = {c: opening[c] for c in CUSTOMERS}
    due.update({c: -opening[c] for c in SUPPLIERS})
    months = [(2023, m) for m in range(4, 13)] + [(2024, m) for m in range(1, 4)]
    for y, m in months:
        last = month_days(y, m)
        day = lambda: y * 10000 + m * 100 + rnd.randint(1, last)
        end = y * 10000 + m * 100 + last
        for _ in range(90):  # sales on account
            taxed(day(), rnd.choice(CUSTOMERS), 4110000, rnd.randrange(8_000, 300_000, 100), False)
        for _ in range(12):  # cash sales
            taxed(day(), 1110000, 4110000, rnd.randrange(1_000, 30_000, 10), False)
        for _ in range(35):  # purchases on account
            taxed(day(), 5110000, rnd.choice(SUPPLIERS), rnd.randrange(20_000, 400_000, 100), True)
        for _ in range(30):  # expenses from the banks
            taxed(day(), rnd.choice(TAXABLE_EXPENSES), rnd.choice(BANKS), rnd.randrange(500, 80_000, 10), True)
        for c in CUSTOMERS:  # collections, no tax
            post(end, rnd.choice(BANKS), c, due[c], due[c])
        for s in SUPPLIERS:  # payments, no tax
            post(end, s, rnd.choice(BANKS), due[s], due[s])
        due = {c: billed.get(c, 0) for c in CUSTOMERS + SUPPLIERS}
        billed.clear()
        taxed(y * 10000 + m * 100 + 25, 6170000, 1310001, 220_000, True)
        post(y * 10000 + m * 100 + 25, 6110000, 1310001, 600_000, 600_000)
        post(y * 10000 + m * 100 + 25, 6120000, 1310002, 1_850_000, 1_850_000)
        post(y * 10000 + m * 100 + 25, 6130000, 1310002, 318_500, 318_500)
        post(y * 10000 + m * 100 + 25, 6120000, 2160000, 96_500, 96_500)  # withheld
        post(y * 10000 + m * 100 + 10, 2160000, 1310002, 96_500, 96_500)
        post(y * 10000 + m * 100 + 5, 1120000, 1110000, 20_000, 20_000)
        post(y * 10000 + m * 100 + 20, 7210000, 1310003, 6_250, 6_250)
    post(20230531, 2180000, 1310001, 420_000, 420_000)  # last year's taxes
    post(20230531, 2190000, 1310001, 610_000, 610_000)
    post(20230915, 1310003, 7110000, 1_234, 1_234)
    post(20240315, 1310003, 7110000, 1_567, 1_567)
    # Interim closing (period 14): half a year of depreciation.
    post(20230930, 6190000, 1790000, 450_000, 450_000, 14)
    # Year-end closing (period 13).
    post(20240331, 6190000, 1790000, 450_000, 450_000, 13)
    post(20240331, 1510000, 5110000, 310_000, 310_000, 13)
    post(20240331, 6210000, 1310001, 70_000, 70_000, 13)
    profit = -sum(r[4] * (1 if r[2] // 1000000 >= 4 else 0) - r[4] * (1 if r[3] // 1000000 >= 4 else 0)
                  for r in journal)
    tax = -(-profit * 30 // 100) // 100 * 100
    post(20240331, 8110000, 2180000, tax, tax, 13)
    out_tax = sum(r[4] for r in journal if r[3] == 2170000)
    in_tax = sum(r[4] for r in journal if r[2] == 1620000)
    post(20240331, 2170000, 1620000, in_tax, in_tax, 13)
    post(20240331, 2170000, 2190000, out_tax - in_tax, out_tax - in_tax, 13)
    journal.sort(key=lambda r: (r[0], str(r[1]), r[2], r[3]))

    with open(os.path.join(out, "accounts.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["code", "name", "kind", "side", "order", "omit1", "omit2", "attr_bits"])
        for i, (code, name, kind, side, omit1) in enumerate(ACCOUNTS):
            order = (i + 1) * 10 if code % 10000 == 0 else code % 10000
            w.writerow([code, name, kind, side, order, omit1, 0, 0])
    with open(os.path.join(out, "opening.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["code", "debit", "credit"])
        for code in sorted(opening):
            v = opening[code]
            w.writerow([code, v if v > 0 else 0, -v if v < 0 else 0])
    with open(os.path.join(out, "journal.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["date", "period", "debit_code", "credit_code", "amount_nuki", "amount_komi"])
        for r in journal:
            w.writerow(r)
    print(f"{len(ACCOUNTS)} accounts, {len(journal)} journal lines", file=sys.stderr)


main()
