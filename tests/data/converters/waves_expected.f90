! Writes the wave files the VANTE-RVT, CSI and NDBC tests expect, with the runtime's layouts.
program waves_expected
  character(len=*), parameter :: f = '(6i7,F14.4)', fi = '(6i7,i14)'
  character(len=20) :: names(4), kinds(4), caps(4)
  real(8) :: v(3,4), d(6), h(6), tp(6), tm(6)
  integer :: i, k
  ! VANTE-RVT: wave height, peak period, mean period, water level.
  names = [character(20) :: 'vantervt_hs.txt', 'vantervt_tp.txt', 'vantervt_tm.txt', 'vantervt_watlev.txt']
  kinds = [character(20) :: 'Wave Height', 'Peak Period', 'Mean Period', 'Water Level']
  caps = [character(20) :: 'hs (m)', 'tp (s)', 'tp (s)', 'watlev (m)']
  v = reshape([1.2d0, 1.3d0, 0.5d0, 9.0d0, 9.1d0, 5.0d0, 6.5d0, 6.6d0, 4.0d0, 0.6d0, -999d0, -999d0], [3, 4])
  do i = 1, 4
    open(1, file=trim(names(i)), status='replace')
    write(1,*) '% TALVO generic format - '//trim(kinds(i))
    write(1,*) '% ','year ','month ','day ','hour ','min ','sec ',trim(caps(i))
    write(1,*) 'VANTE-RVT ','UTC',' NAVD88'
    write(1,*) 'VANTE-RVT_R1', 29.5d0, -89.5d0
    if (i < 4) then
      write(1,f) 2005, 8, 29, 14, 0, 0, v(1,i)
      write(1,f) 2005, 8, 29, 15, 0, 0, v(2,i)
      write(1,f) 2099, 12, 31, 23, 0, 0, v(3,i)
    else
      write(1,f) 2005, 8, 29, 14, 0, 0, v(1,i)
      write(1,f) 2005, 8, 29, 14, 6, 0, v(2,i)
      write(1,f) 2005, 8, 29, 14, 12, 0, v(3,i)
    end if
    write(1,*) 'VANTE-RVT_R2', 30.5d0, -88.5d0
    close(1)
  end do
  ! CSI: height, direction, mean period, peak period.
  names = [character(20) :: 'csi_hs.txt', 'csi_dir.txt', 'csi_tm.txt', 'csi_tp.txt']
  kinds = [character(20) :: 'Wave Height', 'Wave Direction', 'Average Wave Period', 'Peak Wave Period']
  caps = [character(20) :: 'hs (m)', 'dir (degrees)', 'tp (s)', 'tp (s)']
  v = reshape([1.5d0, -999d0, 2.0d0, 0d0, 0d0, 0d0, 6.0d0, -999d0, -1.5d0, 9.0d0, -999d0, 8.0d0], [3, 4])
  do i = 1, 4
    open(1, file=trim(names(i)), status='replace')
    write(1,*) '% TALVO generic format - '//trim(kinds(i))
    write(1,*) '% ','year ','month ','day ','hour ','min ','sec ',trim(caps(i))
    write(1,*) 'CSI ','UTC',' NAVD'
    write(1,*) 'C1', 29.75d0, -90.25d0
    if (i == 2) then
      write(1,fi) 2008, 9, 12, 14, 0, 0, 120
      write(1,fi) 2008, 9, 1, 0, 0, 0, -999
      write(1,fi) 2008, 9, 12, 7, 0, 0, 0
    else
      write(1,f) 2008, 9, 12, 14, 0, 0, v(1,i)
      write(1,f) 2008, 9, 1, 0, 0, 0, v(2,i)
      write(1,f) 2008, 9, 12, 7, 0, 0, v(3,i)
    end if
    close(1)
  end do
  ! NDBC: direction, height, peak period, mean period; one literal per header line.
  d = [0d0, 350d0, -999d0, 180d0, 270d0, 330d0]
  h = [1.5d0, 2.5d0, -999d0, 1.0d0, 1.0d0, 1.0d0]
  tp = [9.0d0, 10.0d0, -999d0, 8.0d0, 8.0d0, 8.0d0]
  tm = [6.0d0, 7.0d0, -999d0, 5.0d0, 5.0d0, 5.0d0]
  open(1, file='ndbc_dir.txt', status='replace')
  open(2, file='ndbc_hs.txt', status='replace')
  open(3, file='ndbc_tp.txt', status='replace')
  open(4, file='ndbc_tm.txt', status='replace')
  write(1,*) '% TALVO generic format ver. 1.0 wind-direction'
  write(1,*) '% year month day hour min sec dir (degrees)'
  write(2,*) '% TALVO generic format ver. 1.0 wave-height'
  write(2,*) '% year month day hour min sec hs (m)'
  write(3,*) '% TALVO generic format ver. 1.0 peak wave-period'
  write(3,*) '% year month day hour min sec tp (s)'
  write(4,*) '% TALVO generic format ver. 1.0 mean wave-period'
  write(4,*) '% year month day hour min sec tp (s)'
  do k = 1, 4
    write(k,*) 'NDBC UTC NAVD'
    write(k,*) 'NDBC_B1', 29.5d0, -88.5d0
  end do
  do i = 1, 6
    if (i == 5) then
      do k = 1, 4
        write(k,*) 'NDBC_B2', 28.5d0, -87.5d0
      end do
    end if
    if (i <= 4) then
      write(1,f) 2008, 9, 12, 13 + i, 50, 0, d(i)
      write(2,f) 2008, 9, 12, 13 + i, 50, 0, h(i)
      write(3,f) 2008, 9, 12, 13 + i, 50, 0, tp(i)
      write(4,f) 2008, 9, 12, 13 + i, 50, 0, tm(i)
    else
      write(1,f) 2008, 1, 1, i - 5, 0, 0, d(i)
      write(2,f) 2008, 1, 1, i - 5, 0, 0, h(i)
      write(3,f) 2008, 1, 1, i - 5, 0, 0, tp(i)
      write(4,f) 2008, 1, 1, i - 5, 0, 0, tm(i)
    end if
  end do
end program
