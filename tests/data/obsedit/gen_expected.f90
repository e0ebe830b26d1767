! Expected outputs of the observation editing tests, written by the gfortran runtime
! with the writes each tool performs on the same values. Run ./gen.sh to regenerate.
program gen_expected
  implicit none
  character(len=120) :: line
  character(len=120), parameter :: blank = ' '
  integer :: k
  integer :: d0(6,5), dtz(6,5)
  data d0  /2008,12,31,20,0,0, 2009,1,1,3,0,0, 2008,3,1,3,0,0, 2008,2,29,23,30,0, 2100,2,28,23,15,30/
  data dtz /2008,12,31,15,0,0, 2008,12,31,22,0,0, 2008,2,29,22,0,0, 2008,2,29,18,30,0, 2100,2,28,18,15,30/

  ! Filter: NOAA_8761724 kept with its alignment, TCOON_014 removed (1 then 0), X42 kept
  ! (2 then 1), noaa_8761724 removed, the blank-label station kept.
  open(10, file='filter.expected', status='replace')
  write(10,*) trim(' % TALVO generic format - Water Level')
  write(10,*) trim(' % year month day hour min sec watlev (m)')
  write(10,*) trim(' QORVEL UTC NAVD88')
  line = '   NOAA_8761724   29.2633 -89.9573'; write(10,*) line
  line = '2008     12     31     20      0      0        1.2345'; write(10,*) line
  line = '2008     12     31     21      0      0     -999'; write(10,*) line
  line = '2008     12     31     22      0      0        1.5000'; write(10,*) line
  line = '2008 12 31 23 0 0 1.75'; write(10,*) line
  line = 'X42 28.0 -95.0'; write(10,*) line
  line = '2008      6      1      1      0      0        3.0000'; write(10,*) line
  write(10,*) blank
  line = '2008      7      1      0      0      0        5.0000'; write(10,*) line
  close(10)

  ! Numbering, up to the blank line where a station header belongs.
  open(10, file='rename.expected', status='replace')
  open(11, file='rename.table.expected', status='replace')
  write(10,*) trim(' % TALVO generic format - Water Level')
  write(10,*) trim(' % year month day hour min sec watlev (m)')
  write(10,*) trim(' QORVEL UTC NAVD88')
  write(10,*) 'NOAA10001', 29.2633d0, -89.9573d0
  write(10,*) '2008     12     31     20      0      0        1.2345'
  write(10,*) '2008     12     31     21      0      0     -999'
  write(10,*) '2008     12     31     22      0      0        1.5000'
  write(10,*) '2008 12 31 23 0 0 1.75'
  write(10,*) 'TCOON10002', 27.5d0, -97.25d0
  write(10,*) '2008      6      1      1     30    1.0'
  write(10,*) '2008      6      1      2      0      0        2.0000'
  write(10,*) '2008      6      1      3      0      0        3.0000'
  write(10,*) '10003', 28.0d0, -95.0d0
  write(10,*) '2008      6      1      1      0      0        3.0000'
  write(10,*) 'noaa10004', 29.0d0, -89.0d0
  write(10,*) '2008      6      1      1      0      0        4.0000'
  write(11,*) 'NOAA10001', '   ', 'NOAA_8761724'
  write(11,*) 'TCOON10002', '   ', 'TCOON_014'
  write(11,*) '10003', '   ', 'X42'
  write(11,*) 'noaa10004', '   ', 'noaa_8761724'
  close(10); close(11)

  ! Merge of the same file twice under the water-level header.
  open(10, file='merge.expected', status='replace')
  write(10,'(a)') '% TALVO generic format - Water Level'
  write(10,'(a)') '% year month day hour min sec watlev (m)'
  write(10,'(3a10)') 'QORVEL', 'UTC', 'NAVD88'
  do k = 1, 2
    open(12, file='stations.TALVO', status='old')
    read(12,*); read(12,*); read(12,*)
    do
      read(12,'(a)',end=1) line
      write(10,'(a)') trim(line)
    end do
1   close(12)
  end do
  close(10)

  ! Cleaning.
  open(10, file='clean.expected', status='replace')
  write(10,'(a)') ' % TALVO generic format - Water Level'
  write(10,'(a)') ' % year month day hour min sec watlev (m)'
  write(10,*) 'QORVEL', ' ', 'UTC', ' ', 'NAVD88'
  write(10,*) 'NOAA_8761724', 29.2633d0, -89.9573d0
  line = '2008     12     31     20      0      0        1.2345'; write(10,'(a)') line
  line = '2008     12     31     21      0      0     -999'; write(10,'(a)') line
  write(10,'(6i7,i14)') 2008, 12, 31, 22, 0, 0, -999
  write(10,'(6i7,i14)') 2008, 12, 31, 23, 0, 0, -999
  write(10,*) 'TCOON_014', 27.5d0, -97.25d0
  line = '2008      6      1      1     30    1.0'; write(10,'(a)') line
  line = '2008      6      1      2      0      0        2.0000'; write(10,'(a)') line
  write(10,'(6i7,i14)') 2008, 6, 1, 3, 0, 0, -999
  write(10,*) 'X42', 28.0d0, -95.0d0
  write(10,'(6i7,i14)') 2008, 6, 1, 1, 0, 0, -999
  write(10,*) 'noaa_8761724', 29.0d0, -89.0d0
  line = '2008      6      1      1      0      0        4.0000'; write(10,'(a)') line
  write(10,'(a)') blank
  line = '2008      7      1      0      0      0        5.0000'; write(10,'(a)') line
  close(10)

  ! Adjusting: time zone, datum, feet to metres, metres to feet, and no adjustment.
  call adjusted('adjust1.expected', ' % year month day hour min sec watlev (ft)', 'EST', 'NAVD88', dtz, 1d0, 0d0)
  call adjusted('adjust2.expected', ' % year month day hour min sec watlev (ft)', 'UTC', 'MLLW', d0, 1d0, -0.15d0)
  call adjusted('adjust3.expected', ' % year month day hour min sec watlev (m)', 'UTC', 'NAVD88', d0, 0.3048d0, 0d0)
  call adjusted('adjust4.expected', ' % year month day hour min sec watlev (ft)', 'UTC', 'NAVD88', d0, &
                3.280839895013123d0, 0d0)
  call adjusted('adjust9.expected', ' % year month day hour min sec watlev (ft)', 'UTC', 'NAVD88', d0, 1d0, 0d0)

contains

  subroutine adjusted(name, caption, zone, datum, dates, factor, shift)
    character(len=*), intent(in) :: name, caption, zone, datum
    integer, intent(in) :: dates(6,5)
    real(8), intent(in) :: factor, shift
    real(8) :: values(5) = (/ 1.2345d0, -999d0, 10d0, -0.5d0, 1d0 /), v
    integer :: i
    open(20, file=name, status='replace')
    write(20,'(a)') '% TALVO generic format - Water Level'
    write(20,'(a)') caption
    write(20,*) 'NOAA', ' ', zone, ' ', datum
    do i = 1, 5
      if (i == 1) write(20,*) 'NOAA_1', 29.2633d0, -89.9573d0
      if (i == 5) write(20,*) 'X42', 28.0d0, -95.0d0
      v = values(i)
      if (v /= -999d0) v = v * factor + shift
      write(20,'(6i7,f14.4)') dates(:,i), v
    end do
    close(20)
  end subroutine adjusted

end program gen_expected
